// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the syllable engine: 1 MiB of German prose hyphenated into reading
// syllables and into line-break syllables, 1 MiB of made-up words that
// hardly repeat, reading the pattern file once, and Debian's German word
// list (wngerman, 356,000 words) through tesmoran-cli silben --words.  Every
// run starts with a fresh engine, so that no word is remembered from an
// earlier run.  Goals: loading under 50 ms, 1 MiB of prose under 200 ms, the
// word list under 2 s.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/cli/Cli.h"
#include "syllables/HyphenPatterns.h"
#include "syllables/HyphenateText.h"
#include "syllables/PatternSyllabifier.h"

namespace tesmoran {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Plain prose of a reading book, with capitals, umlauts, ß, punctuation and
// line breaks, repeated to the wanted number of characters.
Text MakeProse(std::size_t size) {
  const TextView prose =
      U"Am Montagmorgen packt Lena ihre Schultasche. Sie legt das Lesebuch, die Federtasche und ein Heft mit "
      U"Rechenaufgaben hinein. Ihr kleiner Bruder Paul sitzt noch am Frühstückstisch und isst ein Marmeladenbrot.\r\n"
      U"„Beeil dich, der Bus kommt gleich!“, ruft die Mutter aus der Küche. Draußen regnet es, und die Straße "
      U"glänzt. Lena zieht ihre gelben Gummistiefel an und nimmt den Regenschirm mit den bunten Punkten.\r\n"
      U"In der Schule erzählt die Lehrerin von Igeln, Eichhörnchen und Ameisen, die sich auf den Winter "
      U"vorbereiten. Die Kinder malen einen Igel mit vielen Stacheln und schreiben drei Sätze darunter. "
      U"Nach der großen Pause üben sie ein Lied über den Herbst, den Wind und die Drachen am Himmel.\r\n"
      U"Am Nachmittag besucht Lena ihre Oma. Oma backt einen Apfelkuchen mit Zimt und Zucker, und zusammen lesen "
      U"sie eine Geschichte über einen Elefanten, der nicht schlafen konnte. Erst am Abend, als der Mond "
      U"aufgeht, fährt Lena mit dem Fahrrad nach Hause.\r\n";
  Text text;
  text.reserve(size + prose.size());
  while (text.size() < size) text += prose;
  text.resize(size);
  return text;
}

// Words of two to five syllables from a set of German syllables, about
// 100,000 distinct ones, separated by spaces.
Text MakeMadeUpWords(std::size_t size) {
  const std::vector<Text> syllables = {U"ber",  U"ga",  U"schu", U"le",  U"mäd", U"chen",  U"haus",  U"tür",  U"wald",
                                       U"stra", U"ße",  U"o",    U"kin", U"der", U"spiel", U"platz", U"bü",   U"cher",
                                       U"was",  U"ser", U"fahr", U"rad", U"ung", U"keit",  U"a",     U"bend", U"ei"};
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::size_t> syllable(0, syllables.size() - 1);
  std::uniform_int_distribution<int> length(2, 5);
  Text text;
  text.reserve(size + 64);
  while (text.size() < size) {
    for (int n = length(random); n > 0; --n) text += syllables[syllable(random)];
    text += U' ';
  }
  text.resize(size);
  return text;
}

std::shared_ptr<const HyphenPatterns> Patterns() {
  static const HyphenPatterns::Load load = HyphenPatterns::Open();
  if (load.patterns == nullptr) std::abort();
  return load.patterns;
}

void Hyphenate(benchmark::State& state, const Text& text, SyllableKind kind) {
  const auto patterns = Patterns();
  std::size_t length = 0;
  for (auto _ : state) {
    const PatternSyllabifier engine(patterns);
    const Text out = HyphenateText(text, engine, kind);
    length = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["hyphens"] = static_cast<double>(length - text.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kMiB));
}

void BM_ReadingSyllablesProse1MiB(benchmark::State& state) {
  Hyphenate(state, MakeProse(kMiB), SyllableKind::kReading);
}
BENCHMARK(BM_ReadingSyllablesProse1MiB)->Unit(benchmark::kMillisecond);

void BM_LineBreakSyllablesProse1MiB(benchmark::State& state) {
  Hyphenate(state, MakeProse(kMiB), SyllableKind::kLineBreak);
}
BENCHMARK(BM_LineBreakSyllablesProse1MiB)->Unit(benchmark::kMillisecond);

void BM_ReadingSyllablesMadeUpWords1MiB(benchmark::State& state) {
  Hyphenate(state, MakeMadeUpWords(kMiB), SyllableKind::kReading);
}
BENCHMARK(BM_ReadingSyllablesMadeUpWords1MiB)->Unit(benchmark::kMillisecond);

// Reading the German pattern file, which a run does once: a fresh copy under
// a new name each time, since a path is only ever read once.
void BM_LoadGermanPatterns(benchmark::State& state) {
  namespace fs = std::filesystem;
  int copy = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path path = fs::temp_directory_path() /
                          ("tesmoran-bench-" + std::to_string(::getpid()) + "-" + std::to_string(++copy) + ".dic");
    fs::copy_file(DefaultHyphenPatternPath(), path, fs::copy_options::overwrite_existing);
    state.ResumeTiming();
    const HyphenPatterns::Load load = HyphenPatterns::Open(path.string());
    benchmark::DoNotOptimize(load.patterns.get());
    state.PauseTiming();
    fs::remove(path);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadGermanPatterns)->Iterations(10)->Unit(benchmark::kMillisecond);

// The whole German word list, one word a line, through the command line's
// word-list path into a discarded output.
void BM_SilbenWordsGermanWordList(benchmark::State& state) {
  std::ifstream file("/usr/share/dict/ngerman", std::ios::binary);
  if (!file) {
    state.SkipWithError("/usr/share/dict/ngerman missing (package wngerman)");
    return;
  }
  std::ostringstream read;
  read << file.rdbuf();
  const std::string words = read.str();
  std::size_t written = 0;
  for (auto _ : state) {
    std::istringstream in(words);
    std::ostringstream out, err;
    if (RunCli({"silben", "--words"}, in, out, err) != 0) state.SkipWithError(err.str().c_str());
    written = static_cast<std::size_t>(out.tellp());
  }
  state.counters["output_bytes"] = static_cast<double>(written);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(words.size()));
}
BENCHMARK(BM_SilbenWordsGermanWordList)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
