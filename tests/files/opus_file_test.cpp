// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken text as Ogg Opus: a sound stream as long as the audio spoken (the
// WAV file of the same text), in a file or in memory, at the bitrate asked;
// an empty text; and a failure that leaves an existing file as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <vector>

#include "FilesTestSupport.h"
#include "OggOpusReading.h"
#include "PiecesEngine.h"
#include "Version.h"
#include "WavReading.h"
#include "files/OpusFile.h"
#include "files/WavFile.h"
#include "speech/EspeakEngine.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;
using testing::OggOpusFacts;
using testing::PiecesEngine;

// A tone of `count` samples at `rate`, so that the encoder has sound to code.
std::vector<int16_t> Tone(int rate, std::size_t count) {
  std::vector<int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i)
    samples[i] = static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * static_cast<double>(i) / rate));
  return samples;
}

// The WAV file the same engine makes of the same text.
testing::WavFacts SameTextAsWav(const testing::ScratchDir& dir, const SpeechEngine& engine, TextView text) {
  const WriteResult written = WriteSpeechAsWav(dir.path / "vergleich.wav", engine, text, {});
  EXPECT_TRUE(written.ok) << EncodeUtf8(written.reason);
  return testing::ReadWav(dir.Read("vergleich.wav"));
}

void ExpectSoundMonoStream(const OggOpusFacts& facts) {
  EXPECT_EQ(facts.problem, "");
  EXPECT_EQ(facts.head, "OpusHead");
  EXPECT_EQ(facts.tags, "OpusTags");
  EXPECT_EQ(facts.channels, 1);
  EXPECT_TRUE(facts.HasComment("ENCODER=TESMORAN " TESMORAN_VERSION));
}

TEST(OpusFile, TheStreamLastsAsLongAsTheWavOfTheSameText) {
  const PiecesEngine tone(16000, {Tone(16000, 7000), {}, Tone(16000, 5000)});
  const EspeakEngine german;
  const Text sentence = U"Die Katze schläft auf dem Sofa.";
  const struct {
    const char* name;
    const SpeechEngine* engine;
    bool inMemory;
  } rows[] = {
      {"a tone in pieces at 16 kHz, as a file", &tone, false},
      {"the German voice, as a file", &german, false},
      {"the German voice, in memory", &german, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::ScratchDir dir;
    std::string bytes;
    if (row.inMemory) {
      const OpusBytes made = SpeechAsOpusBytes(*row.engine, sentence, {}, kOpusFileBitrate);
      ASSERT_EQ(EncodeUtf8(made.error), "");
      bytes = made.bytes;
    } else {
      const WriteResult written = WriteSpeechAsOpus(dir.path / "satz.opus", *row.engine, sentence, {});
      ASSERT_TRUE(written.ok) << EncodeUtf8(written.reason);
      bytes = dir.Read("satz.opus");
    }
    const OggOpusFacts facts = testing::ReadOggOpus(bytes);
    ExpectSoundMonoStream(facts);
    const testing::WavFacts wav = SameTextAsWav(dir, *row.engine, sentence);
    ASSERT_GT(wav.sampleRate, 0u);
    EXPECT_GT(wav.Seconds(), 0.7);
    EXPECT_NEAR(facts.Seconds(), wav.Seconds(), 0.01);
    EXPECT_EQ(facts.inputRate, wav.sampleRate);
    EXPECT_GT(facts.audioPackets, 0u);
    EXPECT_EQ(facts.HasComment("TITLE=Die Katze schläft auf dem Sofa."), !row.inMemory);
  }
}

TEST(OpusFile, NoAudioGivesASoundStreamWithoutSound) {
  const EspeakEngine german;
  const PiecesEngine silentAt48k(48000, {{}});
  const struct {
    const char* name;
    const SpeechEngine* engine;
  } rows[] = {
      {"a text of spaces", &german},
      {"no sample at the encoder's own rate", &silentAt48k},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::ScratchDir dir;
    const WriteResult written = WriteSpeechAsOpus(dir.path / "leer.opus", *row.engine, U"  ", {});
    ASSERT_TRUE(written.ok) << EncodeUtf8(written.reason);
    const OggOpusFacts facts = testing::ReadOggOpus(dir.Read("leer.opus"));
    ExpectSoundMonoStream(facts);
    EXPECT_LT(facts.Seconds(), 0.01);
  }
}

TEST(OpusFile, TheBitrateSetsTheSize) {
  const PiecesEngine tone(22050, {Tone(22050, 22050 * 4)});
  const OpusBytes low = SpeechAsOpusBytes(tone, U"x", {}, 8000);
  const OpusBytes high = SpeechAsOpusBytes(tone, U"x", {}, 32000);
  ASSERT_EQ(testing::ReadOggOpus(low.bytes).problem, "");
  ASSERT_EQ(testing::ReadOggOpus(high.bytes).problem, "");
  // Four seconds: about 4 KB at 8 kbit/s and 16 KB at 32 kbit/s.
  EXPECT_LT(low.bytes.size(), 6000u);
  EXPECT_GT(high.bytes.size(), 2 * low.bytes.size());
  EXPECT_LT(high.bytes.size(), 22000u);
}

// Both kinds of audio file: a failure while speaking leaves the file there as
// it was, with the engine's message, and no temporary file behind.
TEST(SpokenTextFiles, AFailureWhileSpeakingLeavesTheExistingFileAsItWas) {
  const PiecesEngine breaksOff(22050, {Tone(22050, 3000), Tone(22050, 2000)}, U"Die Sprachausgabe brach ab.");
  const EspeakEngine voiceless(nullptr, "zz-keine-stimme");
  const struct {
    const char* name;
    const SpeechEngine* engine;
    const char* messagePart;
  } rows[] = {
      {"engine fails after some audio", &breaksOff, "Die Sprachausgabe brach ab."},
      {"voice missing", &voiceless, "espeak-ng-data"},
  };
  using Writer = WriteResult (*)(const fs::path&, const SpeechEngine&, TextView, const SpeechOptions&);
  const struct {
    const char* name;
    Writer write;
  } writers[] = {
      {"alt.wav", WriteSpeechAsWav},
      {"alt.opus", [](const fs::path& target, const SpeechEngine& engine, TextView text,
                      const SpeechOptions& options) { return WriteSpeechAsOpus(target, engine, text, options); }},
  };
  for (const auto& row : rows) {
    for (const auto& writer : writers) {
      SCOPED_TRACE(std::string(row.name) + ", " + writer.name);
      testing::ScratchDir dir;
      dir.Write(writer.name, "alter Inhalt");
      const WriteResult written = writer.write(dir.path / writer.name, *row.engine, U"Der Hund bellt.", {});
      EXPECT_FALSE(written.ok);
      EXPECT_NE(EncodeUtf8(written.reason).find(row.messagePart), std::string::npos) << EncodeUtf8(written.reason);
      EXPECT_EQ(dir.Read(writer.name), "alter Inhalt");
      EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1)
          << "no temporary file left";
    }
    const OpusBytes inMemory = SpeechAsOpusBytes(*row.engine, U"Der Hund bellt.", {}, kOpusFileBitrate);
    EXPECT_NE(EncodeUtf8(inMemory.error).find(row.messagePart), std::string::npos);
    EXPECT_EQ(inMemory.bytes, "");
  }
}

}  // namespace
}  // namespace tesmoran
