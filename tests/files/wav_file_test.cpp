// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken text as a WAV file: the samples arrive in pieces and land in the
// file unchanged and the header's sizes agree with them.  (A failure while
// speaking is tested with the Opus files, for both kinds.)
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

}  // namespace
}  // namespace tesmoran
