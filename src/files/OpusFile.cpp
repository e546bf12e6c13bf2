// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/OpusFile.h"

#include <opusenc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>

#include "Version.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

// The rate of a stream that got no audio at all (an empty text).
constexpr int kRateWithoutAudio = 48000;
// libopusenc takes the count of samples as an int: longer pieces go in parts.
constexpr std::size_t kMostSamplesAWrite = 1 << 16;
// The longest title the file's tags take from the text, in characters.
constexpr std::size_t kTitleLength = 60;

// Where the encoded pages go, in order; the first failure ends the writing.
using PutBytes = std::function<WriteResult(std::string_view)>;

// The stream number of the streams made in memory: the same text gives the
// same bytes.  Files get libopusenc's random one.
constexpr int kFixedSerial = 0x54534D52;

struct Stream {
  Text title;             // empty: no title
  bool inMemory = false;  // compact and the same for the same text (see Start)
};

Text EncodingFailed(int code) {
  return U"Der gesprochene Text konnte nicht als Opus kodiert werden (libopusenc meldet " +
         Text(DecodeUtf8(std::to_string(code)).value_or(U"?")) + U").";
}

// The beginning of the text, on one line, cut after a word when it is long.
Text TitleOf(TextView text) {
  Text title;
  for (Char c : text) {
    if (IsControlChar(c)) c = kSpace;
    if (c == kSpace && (title.empty() || title.back() == kSpace)) continue;
    title.push_back(c);
  }
  if (!title.empty() && title.back() == kSpace) title.pop_back();
  if (title.size() > kTitleLength) {
    const std::size_t cut = title.rfind(kSpace, kTitleLength);
    title.resize(cut == Text::npos || cut == 0 ? kTitleLength : cut);
    title += U" …";
  }
  return title;
}

struct EncoderDeleter {
  void operator()(OggOpusEnc* encoder) const { ope_encoder_destroy(encoder); }
};
struct CommentsDeleter {
  void operator()(OggOpusComments* comments) const { ope_comments_destroy(comments); }
};

// Encodes the samples as they come.  The encoder is made once the rate is
// known; the first failure, of the encoder or of the output, is kept and
// stops the speaking.
class OpusSink : public SpeechSink {
 public:
  OpusSink(PutBytes put, int bitrate, Stream stream)
      : put_(std::move(put)), bitrate_(bitrate), stream_(std::move(stream)) {}

  void Begin(int sampleRate) override {
    if (!encoder_ && result_.ok) Start(sampleRate);
  }

  void Samples(const int16_t* samples, std::size_t count) override {
    if (!encoder_ || !result_.ok) return;
    while (count > 0 && result_.ok) {
      const std::size_t part = std::min(count, kMostSamplesAWrite);
      Check(ope_encoder_write(encoder_.get(), samples, static_cast<int>(part)));
      written_ += part;
      samples += part;
      count -= part;
    }
  }

  void Event(const SpeechEvent&) override {}

  // A failed write stops the speaking: nothing more can reach the output.
  bool Wanted() const override { return result_.ok; }

  // Writes what the encoder still holds and the end of the stream; a stream
  // without any audio gets its headers all the same, and one silent sample:
  // libopusenc 0.2.1 stops on an assertion when a stream at 48 kHz ends
  // without a single sample.
  WriteResult Finish() {
    if (!encoder_ && result_.ok) Start(kRateWithoutAudio);
    if (encoder_ && result_.ok && written_ == 0) {
      const int16_t silence = 0;
      Samples(&silence, 1);
    }
    if (encoder_ && result_.ok) Check(ope_encoder_drain(encoder_.get()));
    return result_;
  }

 private:
  static int Write(void* self, const unsigned char* bytes, opus_int32 length) {
    OpusSink& sink = *static_cast<OpusSink*>(self);
    if (!sink.result_.ok) return 1;
    sink.result_ = sink.put_(std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)));
    return sink.result_.ok ? 0 : 1;
  }
  static int Close(void*) { return 0; }

  void Start(int sampleRate) {
    std::unique_ptr<OggOpusComments, CommentsDeleter> comments(ope_comments_create());
    if (!comments) {
      result_ = WriteResult::Failed(EncodingFailed(OPE_ALLOC_FAIL));
      return;
    }
    ope_comments_add(comments.get(), "ENCODER", "TESMORAN " TESMORAN_VERSION);
    if (!stream_.title.empty()) ope_comments_add(comments.get(), "TITLE", EncodeUtf8(stream_.title).c_str());
    const OpusEncCallbacks callbacks = {&OpusSink::Write, &OpusSink::Close};
    int error = OPE_OK;
    encoder_.reset(ope_encoder_create_callbacks(&callbacks, this, comments.get(), sampleRate, 1, 0, &error));
    if (!encoder_) {
      result_ = WriteResult::Failed(EncodingFailed(error));
      return;
    }
    // In memory: no room for later tags, the same stream number every time,
    // and packets of 60 ms, which at a low bitrate save about a tenth.
    if (stream_.inMemory &&
        (!Check(ope_encoder_ctl(encoder_.get(), OPE_SET_COMMENT_PADDING(0))) ||
         !Check(ope_encoder_ctl(encoder_.get(), OPE_SET_SERIALNO(kFixedSerial))) ||
         !Check(ope_encoder_ctl(encoder_.get(), OPUS_SET_EXPERT_FRAME_DURATION(OPUS_FRAMESIZE_60_MS))))) {
      return;
    }
    if (!Check(ope_encoder_ctl(encoder_.get(), OPUS_SET_BITRATE(bitrate_)))) return;
    Check(ope_encoder_ctl(encoder_.get(), OPUS_SET_SIGNAL(OPUS_SIGNAL_VOICE)));
  }

  // True when the call went well; else keeps its failure, unless the output
  // failed first (its reason says more).
  bool Check(int code) {
    if (code == OPE_OK) return true;
    if (result_.ok) result_ = WriteResult::Failed(EncodingFailed(code));
    return false;
  }

  PutBytes put_;
  int bitrate_;
  Stream stream_;
  WriteResult result_;
  std::uint64_t written_ = 0;
  std::unique_ptr<OggOpusEnc, EncoderDeleter> encoder_;
};

// Speaks the text through the encoder into `put`.
WriteResult EncodeSpeech(const PutBytes& put, const SpeechEngine& engine, TextView text, const SpeechOptions& options,
                         int bitrate, Stream stream) {
  OpusSink sink(put, std::clamp(bitrate, kOpusMinBitrate, kOpusMaxBitrate), std::move(stream));
  const Text error = engine.Speak(text, options, sink);
  const WriteResult finished = sink.Finish();
  if (!finished.ok) return finished;
  if (!error.empty()) return WriteResult::Failed(error);
  return finished;
}

}  // namespace

WriteResult WriteSpeechAsOpus(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                              const SpeechOptions& options, int bitrate) {
  return ReplaceFileAtomically(target, [&](const std::filesystem::path& temp) {
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return WriteResult::Failed(WriteErrorReason(LastFileError()));
    WriteResult result = EncodeSpeech([file](std::string_view bytes) { return WriteAllAndFlush(file, bytes); }, engine,
                                      text, options, bitrate, Stream{.title = TitleOf(text), .inMemory = false});
    if (result.ok) result = SyncToDisk(file);
    if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastFileError()));
    return result;
  });
}

OpusBytes SpeechAsOpusBytes(const SpeechEngine& engine, TextView text, const SpeechOptions& options, int bitrate) {
  OpusBytes out;
  const WriteResult result = EncodeSpeech(
      [&out](std::string_view bytes) {
        out.bytes.append(bytes);
        return WriteResult();
      },
      engine, text, options, bitrate, Stream{.title = Text(), .inMemory = true});
  if (!result.ok) {
    out.bytes.clear();
    out.error = result.reason;
  }
  return out;
}

}  // namespace tesmoran
