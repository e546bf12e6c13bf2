// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of reading aloud: one page of text (about 2,600 characters) spoken
// by the German voice, at the default tempo and "silbenweise".  The counter
// "x_realtime" is the seconds of audio made per second of wall-clock time;
// the goal is at least 20, so that the first word sounds within 200 ms.
// "first_audio_ms" is how long the first piece of audio took to arrive.
#include <benchmark/benchmark.h>

#include <chrono>

#include "SampleText.h"
#include "files/OpusFile.h"
#include "speech/EspeakEngine.h"
#include "syllables/PatternSyllabifier.h"

namespace tesmoran {
namespace {

using Clock = std::chrono::steady_clock;

// One page: sentences with umlauts, ß, digits, commas and line breaks.
Text OnePage() { return testing::SchoolSentences(testing::kOnePage); }

// Counts the samples and notes when the first ones came; keeps nothing.
class CountingSink : public SpeechSink {
 public:
  explicit CountingSink(Clock::time_point start) : start_(start) {}
  void Begin(int sampleRate) override { rate_ = sampleRate; }
  void Samples(const int16_t*, std::size_t count) override {
    if (samples_ == 0 && count > 0) first_ = Clock::now() - start_;
    samples_ += count;
  }
  void Event(const SpeechEvent&) override {}
  double Seconds() const { return rate_ > 0 ? static_cast<double>(samples_) / rate_ : 0.0; }
  double FirstMs() const { return std::chrono::duration<double, std::milli>(first_).count(); }

 private:
  Clock::time_point start_;
  int rate_ = 0;
  std::size_t samples_ = 0;
  Clock::duration first_{};
};

void Run(benchmark::State& state, bool bySyllables) {
  const SyllabifierLoad load = LoadSyllabifier();
  if (bySyllables && !load.syllabifier) {
    state.SkipWithError("the syllable patterns are missing");
    return;
  }
  const EspeakEngine engine(load.syllabifier);
  if (!engine.Availability().empty()) {
    state.SkipWithError("the German voice is missing (espeak-ng-data)");
    return;
  }
  const Text page = OnePage();
  SpeechOptions options;
  options.bySyllables = bySyllables;
  double audioSeconds = 0.0, wallSeconds = 0.0, firstMs = 0.0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    CountingSink sink(start);
    const Text error = engine.Speak(page, options, sink);
    wallSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    if (!error.empty()) {
      state.SkipWithError("the engine could not speak the page");
      return;
    }
    audioSeconds += sink.Seconds();
    firstMs += sink.FirstMs();
  }
  const auto runs = static_cast<double>(state.iterations());
  state.counters["x_realtime"] = wallSeconds > 0 ? audioSeconds / wallSeconds : 0.0;
  state.counters["audio_s"] = audioSeconds / runs;
  state.counters["first_audio_ms"] = firstMs / runs;
}

void BM_Speech_OnePage(benchmark::State& state) { Run(state, false); }
BENCHMARK(BM_Speech_OnePage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Speech_OnePage_Silbenweise(benchmark::State& state) { Run(state, true); }
BENCHMARK(BM_Speech_OnePage_Silbenweise)->Unit(benchmark::kMillisecond)->UseRealTime();

// Speaking and encoding as Ogg Opus, at the bitrate of a file and at the
// practice page's.
void BM_Speech_OnePage_Opus(benchmark::State& state) {
  const EspeakEngine engine;
  if (!engine.Availability().empty()) {
    state.SkipWithError("the German voice is missing (espeak-ng-data)");
    return;
  }
  const Text page = OnePage();
  const SpeechResult audio = engine.Synthesize(page, {});
  const double audioSeconds = audio.sampleRate > 0 ? static_cast<double>(audio.samples.size()) / audio.sampleRate : 0;
  std::size_t bytes = 0;
  double wallSeconds = 0.0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const OpusBytes opus = SpeechAsOpusBytes(engine, page, {}, static_cast<int>(state.range(0)));
    wallSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    if (!opus.error.empty()) {
      state.SkipWithError("the page could not be encoded");
      return;
    }
    bytes = opus.bytes.size();
  }
  const auto runs = static_cast<double>(state.iterations());
  state.counters["x_realtime"] = wallSeconds > 0 ? audioSeconds * runs / wallSeconds : 0.0;
  state.counters["audio_s"] = audioSeconds;
  state.counters["kb_per_minute"] = audioSeconds > 0 ? bytes / 1024.0 / (audioSeconds / 60) : 0.0;
}
BENCHMARK(BM_Speech_OnePage_Opus)->Arg(kOpusFileBitrate)->Arg(8000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
