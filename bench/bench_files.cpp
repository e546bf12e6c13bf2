// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of reading a text file's fields, of breaking the solution text into
// printed lines and of saving it.  items/s is bytes or characters per second.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "files/AtomicFile.h"
#include "files/FieldReader.h"
#include "files/PrintLines.h"
#include "files/SolutionFile.h"
#include "files/TextFileDecoding.h"

namespace tesmoran {
namespace {

// German lines with commas, quotes and umlauts until `bytes` bytes of UTF-8.
std::string GermanFile(std::size_t bytes) {
  static const char* kLines[] = {
      "Der Hund bellt laut, die Katze miaut.\r\n",
      "\"Über die Straße, bitte!\" rief der große Bär.\r\n",
      "\r\n",
      "Wir bleiben heute zu Hause; es regnet, und wir üben Wörter.\r\n",
  };
  std::string file;
  for (std::size_t i = 0; file.size() < bytes; ++i) file += kLines[i % std::size(kLines)];
  file.resize(bytes);
  return file;
}

void BM_DecodeAndJoinFields(benchmark::State& state) {
  const std::string file = GermanFile(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    auto text = DecodeTextFile(file, true);
    auto joined = JoinFields(*text, SIZE_MAX);
    benchmark::DoNotOptimize(joined);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecodeAndJoinFields)->Arg(31000)->Arg(4 << 20);

// The same German file with one stray code page 1252 byte per line (arg 0),
// or as UTF-16 without a byte order mark (arg 1).
void BM_DecodeOtherEncodings(benchmark::State& state) {
  std::string file = GermanFile(4 << 20);
  if (state.range(0) == 0) {
    for (std::size_t i = file.find('\n'); i != std::string::npos; i = file.find('\n', i + 1)) file[i - 1] = '\xFC';
  } else {
    const Text text = *DecodeTextFile(file, true);
    file.clear();
    for (Char c : text) file += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  }
  for (auto _ : state) benchmark::DoNotOptimize(DecodeFileBytes(file, true));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_DecodeOtherEncodings)->Arg(0)->Arg(1);

void BM_PaperLines(benchmark::State& state) {
  const Text text = *DecodeTextFile(GermanFile(static_cast<std::size_t>(state.range(0))), true);
  for (auto _ : state) benchmark::DoNotOptimize(PaperLines(text));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PaperLines)->Arg(31000)->Arg(1 << 20);

void BM_SaveSolutionFile(benchmark::State& state) {
  const Text text = *DecodeTextFile(GermanFile(static_cast<std::size_t>(state.range(0))), true);
  const auto target = std::filesystem::temp_directory_path() / "tesmoran-bench-save.txt";
  for (auto _ : state) {
    const WriteResult result = WriteFileAtomically(target, EncodeSolutionFile(text));
    if (!result.ok) state.SkipWithError("cannot write");
  }
  std::filesystem::remove(target);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SaveSolutionFile)->Arg(31000);

// Saving over a file with a second hard link: written in place.
void BM_SaveOverHardLinkedFile(benchmark::State& state) {
  const Text text = *DecodeTextFile(GermanFile(31000), true);
  const auto target = std::filesystem::temp_directory_path() / "tesmoran-bench-linked.txt";
  const auto link = std::filesystem::temp_directory_path() / "tesmoran-bench-linked-2.txt";
  std::filesystem::remove(link);
  WriteFileAtomically(target, "x");
  std::filesystem::create_hard_link(target, link);
  for (auto _ : state) {
    const WriteResult result = WriteFileAtomically(target, EncodeSolutionFile(text));
    if (!result.ok) state.SkipWithError("cannot write");
  }
  std::filesystem::remove(target);
  std::filesystem::remove(link);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SaveOverHardLinkedFile);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
