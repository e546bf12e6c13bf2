// SPDX-License-Identifier: GPL-3.0-or-later
// A long text streams through the engine in bounded memory: ten pages are
// spoken into a receiver that keeps nothing, and the process grows by far
// less than the audio it received.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "SpeechTestSupport.h"

namespace tesmoran {
namespace {

// The resident size of this process in bytes, from /proc.
std::size_t ResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stoul(line.substr(6)) * 1024;
  }
  return 0;
}

class MeasuringSink : public SpeechSink {
 public:
  explicit MeasuringSink(std::size_t baseline) : baseline_(baseline) {}
  void Begin(int rate) override { sampleRate = rate; }
  void Samples(const int16_t*, std::size_t count) override {
    received += count;
    if (++pieces_ % 64 == 0) Measure();
  }
  void Event(const SpeechEvent& event) override {
    if (event.kind == SpeechEventKind::kWord) ++words;
  }
  void Measure() {
    const std::size_t now = ResidentBytes();
    if (now > baseline_) growth = std::max(growth, now - baseline_);
  }
  int sampleRate = 0;
  std::size_t received = 0;
  std::size_t words = 0;
  std::size_t growth = 0;

 private:
  std::size_t baseline_;
  std::size_t pieces_ = 0;
};

TEST(EspeakEngine, TenPagesStreamInBoundedMemory) {
  const Text paragraph =
      U"Am Montag fährt die Klasse mit dem Bus zum Bauernhof. Dort füttern die Kinder die Hühner, "
      U"streicheln die Kälber und schauen zu, wie der Bauer die Kühe melkt. Zum Mittagessen gibt es "
      U"Kartoffeln aus dem eigenen Garten. Am Nachmittag dürfen alle auf dem großen Traktor sitzen.\r\n";
  constexpr std::size_t kParagraphWords = 46;
  Text text;
  // About 300 words a page.
  for (int i = 0; i < 60; ++i) text += paragraph;
  const std::size_t words = 60 * kParagraphWords;

  GermanSpeech().Availability();  // the library and its voice are loaded before the baseline
  MeasuringSink sink(ResidentBytes());
  SpeechOptions fast;
  fast.wordsPerMinute = SpeechOptions::kMaxWordsPerMinute;
  ASSERT_TRUE(GermanSpeech().Speak(text, fast, sink).empty());
  sink.Measure();
  const std::size_t audioBytes = sink.received * sizeof(int16_t);
  std::printf("%zu words: %.0f s of audio (%zu MB), the process grew by %zu MB\n", words,
              static_cast<double>(sink.received) / sink.sampleRate, audioBytes >> 20, sink.growth >> 20);
  EXPECT_GE(sink.words, words * 95 / 100);
  constexpr std::size_t kBound = 8u << 20;
  EXPECT_GT(audioBytes, 3 * kBound);  // so that keeping the audio would break the bound
  EXPECT_LT(sink.growth, kBound);
}

}  // namespace
}  // namespace tesmoran
