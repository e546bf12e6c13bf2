// SPDX-License-Identifier: GPL-3.0-or-later
// Search and replace over a 1 MiB text with 50,000 occurrences of the
// search text: the replacing alone for each of its rules, and the whole
// command from the marked text to the delivered solution text.  Also the
// peak memory of an endless chain on a text of 50 million characters.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "platform/FixedAnswerUi.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

constexpr std::size_t kTextLength = 1 << 20;
constexpr std::size_t kOccurrences = 50000;

// Sentences with «Hund» in them, cut to 1 MiB with exactly kOccurrences
// occurrences of «Hund».
Text MakeText() {
  const Text with = U"Der Hund lief über die Straße.\r\n";
  const Text without = U"Die Katze schläft.";
  Text text;
  text.reserve(kTextLength);
  for (std::size_t i = 0; i < kOccurrences; ++i) text += with;
  while (text.size() < kTextLength) text += without;
  text.resize(kTextLength);
  return text;
}

const Text& BenchText() {
  static const Text text = MakeText();
  return text;
}


void Replace(benchmark::State& state, const Text& replacement) {
  const Text& text = BenchText();
  for (auto _ : state) {
    Text result = ReplaceEverywhere(text, U"Hund", replacement);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(Char)));
}

// The replacement holds no «Hund»: occurrences formed anew are looked for.
void BM_ReplaceRescanning(benchmark::State& state) { Replace(state, U"Kater"); }
// The replacement holds «Hund»: each occurrence is replaced once.
void BM_ReplaceOnceThrough(benchmark::State& state) { Replace(state, U"Hunde"); }

// The endless chain «aabb», «ab» -> «bbaa» over 1 MiB: the rescan runs to its
// limit, then the once-through result is computed.
void BM_ReplaceEndlessChain(benchmark::State& state) {
  Text text;
  while (text.size() < kTextLength) text += U"aabb ";
  for (auto _ : state) {
    Text result = ReplaceEverywhere(text, U"ab", U"bbaa");
    benchmark::DoNotOptimize(result);
  }
}

// The highest resident memory of this process since the last reset, in
// bytes; 0 where the system does not tell.
std::size_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
  }
  return 0;
}

void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Peak memory of the whole process per character of the text (the text
// itself included) while an endless chain on a long text runs to its
// budget and falls back to the once-through result.
void BM_ReplaceEndlessChainPeakMemory(benchmark::State& state) {
  const std::size_t length = static_cast<std::size_t>(state.range(0));
  Text text;
  text.reserve(length);
  while (text.size() < length) text += U"aabb";
  text.resize(length);
  double bytesPerChar = 0;
  for (auto _ : state) {
    ResetPeakResident();
    Text result = ReplaceEverywhere(text, U"ab", U"bbaa");
    benchmark::DoNotOptimize(result);
    bytesPerChar = static_cast<double>(PeakResidentBytes()) / static_cast<double>(length);
  }
  state.counters["peak_bytes_per_char"] = bytesPerChar;
}

void BM_SearchAndReplaceCommand(benchmark::State& state) {
  FixedAnswerUi ui(false, U"Kater");
  Worksheet ws;
  ws.Text1.text = BenchText();
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  for (auto _ : state) {
    SearchAndReplace(ws, ui);
    benchmark::DoNotOptimize(ws.Text2);
  }
}

BENCHMARK(BM_ReplaceRescanning)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceOnceThrough)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceEndlessChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAndReplaceCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceEndlessChainPeakMemory)->Arg(50'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
