// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of laying out the printed sheet: one word far wider than a row
// (a pasted run of letters without spaces) is cut row by row, and a long
// ordinary text is flowed into rows and pages.  The cut word should grow
// linearly with its length.
#include <benchmark/benchmark.h>

#include "printsheet/SheetLayout.h"

namespace tesmoran {
namespace {

// A font of fixed widths per character, like a simple proportional font:
// narrow i and l, wide m and w, everything else in between.
class TableMeasure : public TextMeasure {
 public:
  double Advance(TextView text, FontRole) const override {
    double w = 0;
    for (Char c : text) w += Width(c);
    return w;
  }
  double Ascent(FontRole) const override { return 12; }
  double Descent(FontRole) const override { return 4; }

 private:
  static double Width(Char c) {
    if (c == U'i' || c == U'l') return 4;
    if (c == U'm' || c == U'w') return 13;
    return 8.5;
  }
};

SheetSettings PlainSettings() {
  SheetSettings s;
  s.nameAndDate = false;
  return s;
}

void BM_LayOutOneLongWord(benchmark::State& state) {
  const std::size_t letters = static_cast<std::size_t>(state.range(0));
  static constexpr TextView kLetters = U"Bandwurmtextilmw";
  Text word(letters, U'a');
  for (std::size_t i = 0; i < letters; ++i) word[i] = kLetters[i % kLetters.size()];
  const SheetInput input{word, Text()};
  const TableMeasure measure;
  for (auto _ : state) benchmark::DoNotOptimize(LayOutSheet(input, PlainSettings(), nullptr, measure));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * letters));
}
BENCHMARK(BM_LayOutOneLongWord)
    ->Arg(200'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Arg(2'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_LayOutLongText(benchmark::State& state) {
  const Text sentence = U"Der Hund bellt laut, die Kätzchen schlafen über der Tür.\r\n";
  Text text;
  while (text.size() < 200'000) text += sentence;
  const SheetInput input{text, Text()};
  const TableMeasure measure;
  for (auto _ : state) benchmark::DoNotOptimize(LayOutSheet(input, PlainSettings(), nullptr, measure));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LayOutLongText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
