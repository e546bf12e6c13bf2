// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of keeping the recovery file while the user types: turning a large
// worksheet into the file's bytes, reading them back, and the whole atomic
// write to the disk (flushed, as the program does about once a second
// while the worksheet changes).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "files/AtomicFile.h"
#include "worksheet/RecoveryFormat.h"

namespace tesmoran {
namespace {

// A worksheet of the size a teacher works with at most: an original text of
// about 31,000 characters, a solution text twice that, and a full word list
// of 5,000 entries with its backup.
Worksheet LargeSheet() {
  Worksheet ws;
  const Text sentence = U"Der Hund bellt laut, die Kätzchen schlafen über der Tür.\r\n";
  while (ws.Text1.text.size() < 31000) ws.Text1.text += sentence;
  ws.Text2 = ws.Text1.text + ws.Text1.text;
  std::vector<Text> words;
  for (int i = 0; i < 5000; ++i) {
    const std::string number = std::to_string(i);
    words.push_back(U"Wort" + Text(number.begin(), number.end()));
  }
  ws.Liste2.Assign(words);
  ws.Liste2.SetAllSelected(true);
  ws.Liste4 = words;
  return ws;
}

void BM_WriteRecovery(benchmark::State& state) {
  const Worksheet ws = LargeSheet();
  for (auto _ : state) benchmark::DoNotOptimize(WriteRecovery(ws));
}
BENCHMARK(BM_WriteRecovery)->Unit(benchmark::kMicrosecond);

void BM_ReadRecovery(benchmark::State& state) {
  const std::string bytes = WriteRecovery(LargeSheet());
  for (auto _ : state) benchmark::DoNotOptimize(ReadRecovery(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadRecovery)->Unit(benchmark::kMicrosecond);

void BM_WriteRecoveryFileAtomically(benchmark::State& state) {
  const Worksheet ws = LargeSheet();
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "tesmoran-bench-recovery";
  for (auto _ : state) benchmark::DoNotOptimize(WriteFileAtomically(file, WriteRecovery(ws)).ok);
  std::filesystem::remove(file);
}
BENCHMARK(BM_WriteRecoveryFileAtomically)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmoran

BENCHMARK_MAIN();
