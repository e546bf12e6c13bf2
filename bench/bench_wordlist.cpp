// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of building the word list over long German texts: a generated text
// of 1 MiB and one of 4 MiB, both from the same vocabulary of about 20,000
// words, so that the 4 MiB text does not run into the list's limit.
#include <benchmark/benchmark.h>

#include <random>
#include <unordered_set>
#include <vector>

#include "platform/FixedAnswerUi.h"
#include "worksheet/Worksheet.h"
#include "text/Text.h"
#include "wordlist/WordListBuild.h"

namespace tesmoran {
namespace {

constexpr std::size_t kVocabularySize = 20000;
constexpr std::size_t kMiB = 1024 * 1024;


// Distinct German-looking words made of two to four syllables, a third of
// them capitalised like nouns.
std::vector<Text> MakeVocabulary(std::mt19937& random) {
  const std::vector<Text> syllables = {U"ber", U"ga", U"schu", U"le", U"mäd", U"chen", U"haus", U"tür",
                                       U"wald", U"straß", U"e", U"ö", U"kin", U"der", U"spiel", U"platz",
                                       U"bü", U"cher", U"was", U"ser", U"fahr", U"rad", U"ung", U"keit"};
  std::uniform_int_distribution<std::size_t> syllable(0, syllables.size() - 1);
  std::uniform_int_distribution<int> length(2, 4);
  std::unordered_set<Text> seen;
  std::vector<Text> words;
  while (words.size() < kVocabularySize) {
    Text word;
    for (int n = length(random); n > 0; --n) word += syllables[syllable(random)];
    if (words.size() % 3 == 0) word[0] = static_cast<Char>(word[0] - 32);
    if (seen.insert(word).second) words.push_back(word);
  }
  return words;
}

// A text of at least `size` characters: words of the vocabulary, sometimes
// followed by punctuation, separated by spaces, with a line break now and then.
Text MakeText(std::size_t size) {
  std::mt19937 random(2024);
  const std::vector<Text> vocabulary = MakeVocabulary(random);
  std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
  std::uniform_int_distribution<int> mark(0, 19);
  const TextView endings[] = {U".", U",", U"!", U"?"};
  Text text;
  text.reserve(size + 64);
  while (text.size() < size) {
    text += vocabulary[pick(random)];
    const int m = mark(random);
    if (m < 4) text += endings[m];
    text += m == 4 ? U" \r\n" : U" ";
  }
  return text;
}

void BM_BuildWordList(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
  Worksheet ws;
  ws.Text1.Set(MakeText(size));
  FixedAnswerUi ui(false);  // OK to every box, No to a question
  for (auto _ : state) {
    state.PauseTiming();
    ws.Liste2 = WordList();
    state.ResumeTiming();
    BuildWordList(ws, ui);
    benchmark::DoNotOptimize(ws.Liste4.data());
  }
  state.counters["entries"] = static_cast<double>(ws.Liste2.Count());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_BuildWordList)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// A second build over the same text: every word is known already.
void BM_RebuildWordList(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0)) * kMiB;
  Worksheet ws;
  ws.Text1.Set(MakeText(size));
  FixedAnswerUi ui(false);  // OK to every box, No to a question
  BuildWordList(ws, ui);
  for (auto _ : state) {
    BuildWordList(ws, ui);
    benchmark::DoNotOptimize(ws.Liste4.data());
  }
  state.counters["entries"] = static_cast<double>(ws.Liste2.Count());
}
BENCHMARK(BM_RebuildWordList)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
