// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the practice page for a text of ten pages (about 26,000
// characters): the page of one level with Lückentext, with the easy level's
// syllable colours, and with every exercise of the page at once.  The goal
// is under 200 ms for a page.  Apart: one page with its sentences spoken.
#include <benchmark/benchmark.h>

#include "SampleText.h"
#include "practice/PracticePage.h"
#include "syllables/PatternSyllabifier.h"

namespace tesmoran {
namespace {

// Ten pages of about 2,600 characters: sentences with umlauts, ß, digits,
// commas and line breaks.
Text TenPages() { return testing::SchoolSentences(10 * testing::kOnePage); }

void Run(benchmark::State& state, std::vector<const PracticeExercise*> exercises, PracticeLevel level,
         const Syllabifier* syllabifier) {
  PracticePageOptions options;
  options.text = TenPages();
  options.exercises = std::move(exercises);
  options.syllabifier = syllabifier;
  for (auto _ : state) {
    std::string page = BuildPracticePage(options, level);
    benchmark::DoNotOptimize(page.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(options.text.size()));
}

void BM_PracticePage_Lueckentext_Hard(benchmark::State& state) { Run(state, {}, PracticeLevel::kHard, nullptr); }
BENCHMARK(BM_PracticePage_Lueckentext_Hard)->Unit(benchmark::kMillisecond);

void BM_PracticePage_Lueckentext_EasyWithSyllables(benchmark::State& state) {
  const SyllabifierLoad load = LoadSyllabifier();
  if (!load.syllabifier) {
    state.SkipWithError("the syllable patterns are missing");
    return;
  }
  Run(state, {}, PracticeLevel::kEasy, load.syllabifier.get());
}
BENCHMARK(BM_PracticePage_Lueckentext_EasyWithSyllables)->Unit(benchmark::kMillisecond);

// One exercise per run, by its place in the page's list; the label names it.
void BM_PracticePage_EachExercise_Hard(benchmark::State& state) {
  const auto index = static_cast<std::size_t>(state.range(0));
  if (index >= PracticeExercises().size()) {
    state.SkipWithError("no such exercise");
    return;
  }
  const PracticeExercise& exercise = PracticeExercises()[index];
  std::string label;
  for (Char c : ButtonExercise(exercise).caption) label.push_back(c < 128 ? static_cast<char>(c) : '?');
  state.SetLabel(label);
  Run(state, {&exercise}, PracticeLevel::kHard, nullptr);
}
BENCHMARK(BM_PracticePage_EachExercise_Hard)->DenseRange(0, 17)->Unit(benchmark::kMillisecond);

void BM_PracticePage_EveryExercise_Hard(benchmark::State& state) {
  std::vector<const PracticeExercise*> every;
  for (const PracticeExercise& e : PracticeExercises()) every.push_back(&e);
  Run(state, every, PracticeLevel::kHard, nullptr);
}
BENCHMARK(BM_PracticePage_EveryExercise_Hard)->Unit(benchmark::kMillisecond);

// One page of text (a tenth of the above) with every sentence spoken into
// the page as Opus: the speaking and encoding take nearly all of the time.
void BM_PracticePage_OnePageWithSound_Easy(benchmark::State& state) {
  PracticePageOptions options;
  options.text = TenPages().substr(0, 2600);
  options.spokenSentences = true;
  std::size_t size = 0;
  for (auto _ : state) {
    std::string page = BuildPracticePage(options, PracticeLevel::kEasy);
    size = page.size();
    benchmark::DoNotOptimize(page.data());
  }
  state.counters["page_kb"] = static_cast<double>(size) / 1000.0;
}
BENCHMARK(BM_PracticePage_OnePageWithSound_Easy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
