// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads back what a WAV file says about itself, for the tests of the audio
// files: the fields of its header and its samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace tesmoran::testing {

struct WavFacts {
  std::string riff, wave, fmt, data;  // the four-letter tags
  std::uint32_t riffSize = 0, fmtSize = 0, dataSize = 0;
  std::uint16_t format = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
  std::uint32_t sampleRate = 0, byteRate = 0;
  std::vector<std::int16_t> samples;  // what follows the header, up to dataSize
  double Seconds() const { return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0.0; }
};

// The loudness of samples: well below spoken words (thousands) at 300.
inline double Rms(const std::vector<std::int16_t>& samples) {
  double sum = 0.0;
  for (std::int16_t s : samples) sum += static_cast<double>(s) * s;
  return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

inline std::uint32_t LittleEndianAt(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

// The facts of a file with the plain 44-byte header; empty tags when shorter.
inline WavFacts ReadWav(const std::string& bytes) {
  WavFacts facts;
  if (bytes.size() < 44) return facts;
  facts.riff = bytes.substr(0, 4);
  facts.riffSize = LittleEndianAt(bytes, 4, 4);
  facts.wave = bytes.substr(8, 4);
  facts.fmt = bytes.substr(12, 4);
  facts.fmtSize = LittleEndianAt(bytes, 16, 4);
  facts.format = static_cast<std::uint16_t>(LittleEndianAt(bytes, 20, 2));
  facts.channels = static_cast<std::uint16_t>(LittleEndianAt(bytes, 22, 2));
  facts.sampleRate = LittleEndianAt(bytes, 24, 4);
  facts.byteRate = LittleEndianAt(bytes, 28, 4);
  facts.blockAlign = static_cast<std::uint16_t>(LittleEndianAt(bytes, 32, 2));
  facts.bitsPerSample = static_cast<std::uint16_t>(LittleEndianAt(bytes, 34, 2));
  facts.data = bytes.substr(36, 4);
  facts.dataSize = LittleEndianAt(bytes, 40, 4);
  for (std::size_t at = 44; at + 1 < bytes.size() && at + 1 < 44 + std::size_t{facts.dataSize}; at += 2) {
    facts.samples.push_back(static_cast<std::int16_t>(LittleEndianAt(bytes, at, 2)));
  }
  return facts;
}

// Checks that the header is one of 16-bit mono PCM whose sizes agree with
// a file of fileSize bytes.
inline void ExpectMonoPcmWav(const WavFacts& facts, std::size_t fileSize) {
  EXPECT_EQ(facts.riff, "RIFF");
  EXPECT_EQ(facts.wave, "WAVE");
  EXPECT_EQ(facts.fmt, "fmt ");
  EXPECT_EQ(facts.fmtSize, 16u);
  EXPECT_EQ(facts.format, 1u);
  EXPECT_EQ(facts.channels, 1u);
  EXPECT_EQ(facts.bitsPerSample, 16u);
  EXPECT_EQ(facts.blockAlign, 2u);
  EXPECT_EQ(facts.byteRate, facts.sampleRate * 2u);
  EXPECT_EQ(facts.data, "data");
  ASSERT_GE(fileSize, 44u);
  EXPECT_EQ(facts.riffSize, fileSize - 8);
  EXPECT_EQ(facts.dataSize, fileSize - 44);
}

}  // namespace tesmoran::testing
