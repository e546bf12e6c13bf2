// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of every exercise transformation over a generated German text of
// 1 MiB and 4 MiB characters; items/s is characters per second.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <climits>

#include "exercises/CaseAndReversal.h"
#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "exercises/TransformWords.h"
#include "exercises/VowelsAndConsonants.h"

namespace tesmoran {
namespace {

// Sentences with umlauts, ß, commas, line breaks and sentence ends, repeated
// until the text has the wanted length.
Text GermanText(std::size_t length) {
  static const TextView kSentences[] = {
      U"Der Hund bellt laut, die Katze miaut. ",
      U"Über die Straße läuft ein großer Bär mit Äpfeln! ",
      U"Wir bleiben heute zu Hause; es regnet.\r\n",
      U"Öl-Fass: 3 Äpfel? Ja, nein. ",
      U"Die Kinder üben fleißig Wörter und Sätze. ",
  };
  Text text;
  text.reserve(length + 64);
  for (std::size_t i = 0; text.size() < length; ++i) text.append(kSentences[i % std::size(kSentences)]);
  text.resize(length);
  return text;
}

const Text& Input(std::int64_t mebibytes) {
  static const Text one = GermanText(std::size_t{1} << 20);
  static const Text four = GermanText(std::size_t{4} << 20);
  return mebibytes == 1 ? one : four;
}

template <class Transform>
void Run(benchmark::State& state, Transform transform) {
  const Text& text = Input(state.range(0));
  for (auto _ : state) {
    Text result = transform(text);
    benchmark::DoNotOptimize(result.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

#define TESMORAN_BENCH(name, call)                                       \
  void BM_##name(benchmark::State& state) {                              \
    Run(state, [](const Text& t) { return call; });                      \
  }                                                                      \
  BENCHMARK(BM_##name)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)

TESMORAN_BENCH(Grossletter, UpperCaseText(t));
TESMORAN_BENCH(Kleinletter, LowerCaseText(t));
TESMORAN_BENCH(Rueckwaertstext, ReverseText(t));
TESMORAN_BENCH(Umkehrtext, ReverseTextWordOrder(t));
TESMORAN_BENCH(Umkehrwort, ReverseEachWord(t));
TESMORAN_BENCH(Umkehrsatz, ReverseSentenceWordOrder(t));
TESMORAN_BENCH(Rueckwaertssatz, ReverseEachSentence(t));
TESMORAN_BENCH(Bandwurmtext, JoinWords(t));
TESMORAN_BENCH(Lueckentext, GapEveryOtherWord(t, true));
TESMORAN_BENCH(LueckenWoerter, GapEveryOtherLetterInWords(t, false));
TESMORAN_BENCH(Wortrahmen, FrameWords(t));
TESMORAN_BENCH(Buchstaben, GapChosenLetters(t, U"eEäß€"));
TESMORAN_BENCH(NurErstletter, KeepFirstLetters(t));
TESMORAN_BENCH(OhneErstletter, HideFirstLetters(t, false));
TESMORAN_BENCH(OhneErstletterAuswahl, HideFirstLetters(t, true));
TESMORAN_BENCH(Selbstlaute, ShowVowels(t));
TESMORAN_BENCH(Mitlaute, ShowConsonants(t));
TESMORAN_BENCH(MitSelWoerter, MarkConsonantsAndVowels(t));
TESMORAN_BENCH(PurzelWoerter, ShuffleWords(t));
TESMORAN_BENCH(AbcWoerter, SortWordsByAlphabet(t));
TESMORAN_BENCH(AbcNrWoerter, NumberWordsLetters(t));
// "Buchstaben" with 10,000 chosen characters outside code page 1252 over a
// text in which every other character lies outside it as well: one look-up
// per character of the text, however many characters are chosen.
void BM_BuchstabenManyLetters(benchmark::State& state) {
  Text chosen;
  for (Char c = 0x4E00; c < 0x4E00 + 10000; ++c) chosen.push_back(c);
  Text text = Input(state.range(0));
  for (std::size_t i = 0; i < text.size(); i += 2) text[i] = 0x4E00 + static_cast<Char>(i % 20000);
  for (auto _ : state) {
    Text result = GapChosenLetters(text, chosen);
    benchmark::DoNotOptimize(result.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_BuchstabenManyLetters)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
// The word scan with a transformation behind a std::function.
TESMORAN_BENCH(TransformWordsCopy, TransformWords(t, [](TextView w, Text& out) { out.append(w); }));

}  // namespace
}  // namespace tesmoran

int main(int argc, char** argv) {
  // Every call returns a fresh result of up to 40 MB.  Left alone, the C
  // library maps such blocks anew and hands them back to the kernel on
  // every call, so the larger text would also pay for the page faults of a
  // fresh mapping while the smaller one reuses its memory.  Keeping big
  // blocks on the heap makes both sizes measure the transformation itself.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
