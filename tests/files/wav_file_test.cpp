// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken text as a WAV file: the samples arrive in pieces and land in the
// file unchanged, the header's sizes agree with them, and a failure while
// speaking leaves an existing file as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "FilesTestSupport.h"
#include "PiecesEngine.h"
#include "WavReading.h"
#include "files/WavFile.h"
#include "speech/EspeakEngine.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;
using testing::PiecesEngine;
using testing::ReadWav;

TEST(WavFile, SamplesFromManyPiecesLandUnchangedBehindAMatchingHeader) {
  testing::ScratchDir dir;
  const std::vector<std::vector<int16_t>> pieces = {{0, 1, -1}, {}, {32767, -32768, 256, -256}, {12345}};
  const WriteResult written = WriteSpeechAsWav(dir.path / "a.wav", PiecesEngine(16000, pieces), U"x", {});
  ASSERT_TRUE(written.ok) << EncodeUtf8(written.reason);
  const std::string bytes = dir.Read("a.wav");
  const testing::WavFacts facts = ReadWav(bytes);
  testing::ExpectMonoPcmWav(facts, bytes.size());
  EXPECT_EQ(facts.sampleRate, 16000u);
  EXPECT_EQ(facts.samples, (std::vector<int16_t>{0, 1, -1, 32767, -32768, 256, -256, 12345}));
}

TEST(WavFile, AnEmptyTextGivesAValidFileWithoutSamples) {
  testing::ScratchDir dir;
  const WriteResult written = WriteSpeechAsWav(dir.path / "leer.wav", EspeakEngine(), U"  ", {});
  ASSERT_TRUE(written.ok) << EncodeUtf8(written.reason);
  const std::string bytes = dir.Read("leer.wav");
  testing::ExpectMonoPcmWav(ReadWav(bytes), bytes.size());
  EXPECT_EQ(bytes.size(), kWavHeaderBytes);
}

TEST(WavFile, AFailureWhileSpeakingLeavesTheExistingFileAsItWas) {
  const PiecesEngine breaksOff(22050, {{1, 2, 3}, {4, 5}}, U"Die Sprachausgabe brach ab.");
  const EspeakEngine voiceless(nullptr, "zz-keine-stimme");
  const struct {
    const char* name;
    const SpeechEngine* engine;
    const char* messagePart;
  } rows[] = {
      {"engine fails after some audio", &breaksOff, "Die Sprachausgabe brach ab."},
      {"voice missing", &voiceless, "espeak-ng-data"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::ScratchDir dir;
    dir.Write("alt.wav", "alter Inhalt");
    const WriteResult written = WriteSpeechAsWav(dir.path / "alt.wav", *row.engine, U"Der Hund bellt.", {});
    EXPECT_FALSE(written.ok);
    EXPECT_NE(EncodeUtf8(written.reason).find(row.messagePart), std::string::npos) << EncodeUtf8(written.reason);
    EXPECT_EQ(dir.Read("alt.wav"), "alter Inhalt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1) << "no temporary file left";
  }
}

}  // namespace
}  // namespace tesmoran
