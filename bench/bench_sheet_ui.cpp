// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet: a ten-page PDF laid out and written, and the
// preview of a one-page text redrawn after a change of the settings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "printsheet/qt/SheetPdf.h"
#include "printsheet/SheetLayout.h"
#include "ui/printsheet/ArbeitsblattWindow.h"

namespace {

using namespace tesmoran;

// Colours after every second letter of a word.
class EveryOtherLetter : public Syllabifier {
 public:
  std::vector<std::size_t> Breaks(TextView text, SyllableKind) const override {
    std::vector<std::size_t> breaks;
    for (std::size_t i = 2; i < text.size(); i += 2) breaks.push_back(i);
    return breaks;
  }
};

Text Prose(int words) {
  const Text pool[] = {U"Oma", U"liest", U"am", U"Abend", U"eine", U"lange", U"Geschichte", U"vor,", U"und",
                       U"die", U"Kinder", U"hören", U"gespannt", U"zu."};
  Text t;
  for (int i = 0; i < words; ++i) t += pool[i % 14] + ((i + 1) % 40 == 0 ? U"\r\n" : U" ");
  return t;
}

void BM_TenPagePdfLaidOutAndWritten(benchmark::State& state) {
  QTemporaryDir dir;
  const std::filesystem::path out = dir.filePath(QStringLiteral("blatt.pdf")).toStdString();
  SheetSettings settings;
  settings.syllableMarks = SyllableMarks::kColours;
  const EveryOtherLetter syllables;
  const SheetInput input{Prose(2600), Text()};
  int pages = 0;
  for (auto _ : state) {
    const SheetDocument doc = LayOutSheetWithFonts(input, settings, &syllables);
    pages = int(doc.pages.size());
    Text reason;
    const QByteArray bytes = SheetPdfBytes(doc, settings, reason);
    benchmark::DoNotOptimize(WriteFileAtomically(out, std::string_view(bytes.constData(), bytes.size())).ok);
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_TenPagePdfLaidOutAndWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same without the file: layout and drawing only.
void BM_TenPagePdfInMemory(benchmark::State& state) {
  SheetSettings settings;
  settings.syllableMarks = SyllableMarks::kColours;
  const EveryOtherLetter syllables;
  const SheetInput input{Prose(2600), Text()};
  for (auto _ : state) {
    Text reason;
    benchmark::DoNotOptimize(SheetPdfBytes(LayOutSheetWithFonts(input, settings, &syllables), settings, reason));
  }
}
BENCHMARK(BM_TenPagePdfInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OnePagePreviewRedrawn(benchmark::State& state) {
  QTemporaryDir dir;
  QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
  ArbeitsblattWindow window(nullptr, &store);
  const EveryOtherLetter syllables;
  window.SetSyllabifier(&syllables);
  window.SetTexts(Prose(200), Text());
  for (auto _ : state) {
    window.SetTexts(Prose(200), Text());  // lays out and draws the preview once
    benchmark::DoNotOptimize(window.PreviewRevision());
  }
  state.counters["pages"] = double(window.Document().pages.size());
}
BENCHMARK(BM_OnePagePreviewRedrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
