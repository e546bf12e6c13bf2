// SPDX-License-Identifier: GPL-3.0-or-later
// The buffer between the speaking thread and the sound output: samples come
// out in the order they went in, never more than are there, and the word of
// a sample is the last one that began at or before it.
#include <gtest/gtest.h>

#include <numeric>
#include <thread>

#include "speech/SpeechBuffer.h"

namespace tesmoran {
namespace {

std::vector<int16_t> Ramp(int from, int count) {
  std::vector<int16_t> samples(static_cast<std::size_t>(count));
  std::iota(samples.begin(), samples.end(), static_cast<int16_t>(from));
  return samples;
}

TEST(SpeechBuffer, GivesWhatIsThereInOrderAndIsDrainedOnlyOnceFinishedAndRead) {
  SpeechBuffer buffer;
  buffer.Begin(22050);
  const std::vector<int16_t> first = Ramp(0, 5), second = Ramp(5, 5);
  buffer.Samples(first.data(), first.size());
  int16_t out[8] = {};
  EXPECT_EQ(buffer.Read(out, 3), 3u);
  EXPECT_EQ(buffer.Read(out + 3, 8), 2u);  // only what is there
  EXPECT_EQ(buffer.Read(out, 8), 0u);
  EXPECT_FALSE(buffer.Drained());  // the engine may still speak
  buffer.Samples(second.data(), second.size());
  buffer.Finish();
  EXPECT_FALSE(buffer.Drained());
  EXPECT_EQ(buffer.Read(out + 5, 3), 3u);
  EXPECT_EQ(std::vector<int16_t>(out, out + 8), Ramp(0, 8));
  int16_t rest[4] = {};
  EXPECT_EQ(buffer.Read(rest, 4), 2u);
  EXPECT_TRUE(buffer.Drained());
  EXPECT_EQ(buffer.SamplesMade(), 10u);
}

TEST(SpeechBuffer, StopTellsTheEngineAndKeepsNothingThatComesAfter) {
  SpeechBuffer buffer;
  buffer.Begin(22050);
  EXPECT_TRUE(buffer.Wanted());
  buffer.Stop();
  EXPECT_FALSE(buffer.Wanted());
  const std::vector<int16_t> late = Ramp(0, 4);
  buffer.Samples(late.data(), late.size());
  buffer.Event({0, 3, SpeechEventKind::kWord, 0});
  EXPECT_EQ(buffer.Available(), 0u);
  EXPECT_EQ(buffer.EventAt(0), std::nullopt);
}

TEST(SpeechBuffer, TheWordOfASampleIsTheLastOneBegunAtOrBeforeIt) {
  SpeechBuffer buffer;
  buffer.Event({0, 3, SpeechEventKind::kWord, 100});
  buffer.Event({4, 4, SpeechEventKind::kWord, 900});
  buffer.Event({9, 5, SpeechEventKind::kWord, 2000});
  const struct {
    std::size_t sample;
    std::optional<std::size_t> position;
  } rows[] = {{0, std::nullopt}, {99, std::nullopt}, {100, 0}, {899, 0}, {900, 4}, {1999, 4}, {2000, 9}, {99999, 9}};
  for (const auto& row : rows) {
    const std::optional<SpeechEvent> word = buffer.EventAt(row.sample);
    EXPECT_EQ(word ? std::optional<std::size_t>(word->position) : std::nullopt, row.position) << row.sample;
  }
}

TEST(SpeechBuffer, ReaderOnAnotherThreadGetsEverySampleOnceInOrder) {
  SpeechBuffer buffer;
  constexpr int kPieces = 2000, kPiece = 333;
  std::thread speaker([&buffer] {
    buffer.Begin(22050);
    for (int i = 0; i < kPieces; ++i) {
      const std::vector<int16_t> piece = Ramp(i * kPiece % 30000, kPiece);
      buffer.Samples(piece.data(), piece.size());
    }
    buffer.Finish();
  });
  std::vector<int16_t> heard;
  int16_t chunk[1000];
  while (!buffer.Drained()) {
    const std::size_t got = buffer.Read(chunk, 1000);
    heard.insert(heard.end(), chunk, chunk + got);
  }
  speaker.join();
  ASSERT_EQ(heard.size(), std::size_t{kPieces} * kPiece);
  for (int i = 0; i < kPieces; ++i) {
    ASSERT_EQ(heard[static_cast<std::size_t>(i) * kPiece], static_cast<int16_t>(i * kPiece % 30000)) << i;
  }
}

}  // namespace
}  // namespace tesmoran
