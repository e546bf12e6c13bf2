// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WavFile.h"

#include <cstdio>
#include <string_view>

namespace tesmoran {
namespace {

// The rate of a file that got no audio at all (an empty text).
constexpr int kRateWithoutAudio = 22050;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes the samples behind a placeholder header and keeps the first
// failure; the header is written again once the count is known.
class WavSink : public SpeechSink {
 public:
  explicit WavSink(std::FILE* file) : file_(file) {}

  void Begin(int sampleRate) override { sampleRate_ = sampleRate; }

  void Samples(const int16_t* samples, std::size_t count) override {
    if (!result_.ok) return;
    if (count > kWavMaxSamples - written_) {
      result_ = WriteResult::Failed(U"Der Text ist zu lang für eine WAV-Datei (höchstens 4 GB).");
      return;
    }
    bytes_.clear();
    for (std::size_t i = 0; i < count; ++i) PutLittleEndian(bytes_, static_cast<std::uint16_t>(samples[i]), 2);
    result_ = WriteAllAndFlush(file_, bytes_);
    written_ += count;
  }

  void Event(const SpeechEvent&) override {}

  // A failed write stops the speaking: nothing more can reach the file.
  bool Wanted() const override { return result_.ok; }

  const WriteResult& Result() const { return result_; }
  int SampleRate() const { return sampleRate_ > 0 ? sampleRate_ : kRateWithoutAudio; }
  std::uint32_t Written() const { return static_cast<std::uint32_t>(written_); }

 private:
  std::FILE* file_;
  std::string bytes_;
  WriteResult result_;
  int sampleRate_ = 0;
  std::uint64_t written_ = 0;
};

WriteResult FillWav(std::FILE* file, const SpeechEngine& engine, TextView text, const SpeechOptions& options) {
  WavSink sink(file);
  if (WriteResult placeholder = WriteAllAndFlush(file, WavHeader(kRateWithoutAudio, 0)); !placeholder.ok) {
    return placeholder;
  }
  const Text error = engine.Speak(text, options, sink);
  if (!sink.Result().ok) return sink.Result();
  if (!error.empty()) return WriteResult::Failed(error);
  if (std::fseek(file, 0, SEEK_SET) != 0) return WriteResult::Failed(WriteErrorReason(LastFileError()));
  if (WriteResult header = WriteAllAndFlush(file, WavHeader(sink.SampleRate(), sink.Written())); !header.ok) {
    return header;
  }
  return SyncToDisk(file);
}

}  // namespace

std::string WavHeader(int sampleRate, std::uint32_t sampleCount) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const std::uint32_t rate = static_cast<std::uint32_t>(sampleRate);
  const std::uint32_t dataBytes = sampleCount * kBytesPerSample;
  std::string header;
  header.reserve(kWavHeaderBytes);
  header += "RIFF";
  PutLittleEndian(header, static_cast<std::uint32_t>(kWavHeaderBytes - 8) + dataBytes, 4);
  header += "WAVEfmt ";
  PutLittleEndian(header, 16, 4);  // the size of the format chunk
  PutLittleEndian(header, 1, 2);   // PCM
  PutLittleEndian(header, kChannels, 2);
  PutLittleEndian(header, rate, 4);
  PutLittleEndian(header, rate * kChannels * kBytesPerSample, 4);  // bytes a second
  PutLittleEndian(header, kChannels * kBytesPerSample, 2);         // bytes a frame
  PutLittleEndian(header, 16, 2);                                  // bits a sample
  header += "data";
  PutLittleEndian(header, dataBytes, 4);
  return header;
}

WriteResult WriteSpeechAsWav(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                             const SpeechOptions& options) {
  return ReplaceFileAtomically(target, [&](const std::filesystem::path& temp) {
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return WriteResult::Failed(WriteErrorReason(LastFileError()));
    WriteResult result = FillWav(file, engine, text, options);
    if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastFileError()));
    return result;
  });
}

}  // namespace tesmoran
