// SPDX-License-Identifier: GPL-3.0-or-later
// How long a click on "Großletter" takes with 1 MiB of original text, from
// the click to the painted result, next to the time the solution text field
// itself needs to show the same result (setPlainText of the finished text).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <vector>

#include "platform/qt/QtText.h"
#include "worksheet/WordList.h"
#include "text/CaseMap.h"
#include "ui/main/Form1.h"
#include "ui/main/Form1Layout.h"

namespace {

tesmoran::Form1* gForm = nullptr;

QString OneMebibyteOfText() {
  const QString line = QStringLiteral("Der Hund bellt laut. Die Katze schläft über dem Ofen, öfter als gedacht.\n");
  QString text;
  while (text.size() < (1 << 20)) text += line;
  return text;
}


// The solution text emptied outside the measurement, without undo history.
void EmptySolution() {
  QPlainTextEdit* solution = gForm->Controls().Text2;
  solution->clear();
  solution->document()->clearUndoRedoStacks();
  QCoreApplication::processEvents();
}

void Paint(QPlainTextEdit* field) {
  field->viewport()->repaint();
  QCoreApplication::processEvents();
}

void BM_GrossletterClick(benchmark::State& state) {
  gForm->Controls().Text1->setPlainText(OneMebibyteOfText());
  // No selected word: the exercise works on the original text.
  gForm->Run([](tesmoran::Worksheet& ws, tesmoran::UiServices&) { ws.Liste2.Clear(); });
  QPushButton* button = tesmoran::ButtonNamed(gForm->Controls(), "Befehl1");
  for (auto _ : state) {
    state.PauseTiming();
    EmptySolution();
    state.ResumeTiming();
    button->click();
    Paint(gForm->Controls().Text2);
  }
  if (gForm->Controls().Text2->document()->characterCount() < (1 << 20) - (1 << 16)) {
    state.SkipWithError("the click did not deliver the whole text");
  }
  state.counters["chars"] = double(gForm->Controls().Text2->document()->characterCount());
}

void BM_SolutionFieldShowsResult(benchmark::State& state) {
  const QString result = tesmoran::ToQString(
      tesmoran::ToUpper(tesmoran::FromField(OneMebibyteOfText().remove(QLatin1Char('\n')))));
  for (auto _ : state) {
    state.PauseTiming();
    EmptySolution();
    state.ResumeTiming();
    gForm->Controls().Text2->setPlainText(result);
    Paint(gForm->Controls().Text2);
  }
  state.counters["chars"] = double(gForm->Controls().Text2->document()->characterCount());
}

// A full word list of distinct entries, every other one selected, drawn
// anew by a command that changed it.
void BM_FullWordListRedraw(benchmark::State& state) {
  std::vector<tesmoran::Text> words;
  for (std::size_t i = 0; i < tesmoran::WordList::kMaxEntries; ++i) {
    words.push_back(U"Wort" + tesmoran::FromQString(QString::number(i)));
  }
  for (auto _ : state) {
    gForm->Run([&words](tesmoran::Worksheet& ws, tesmoran::UiServices&) {
      ws.Liste2.Assign(words);
      for (std::size_t i = 0; i < words.size(); i += 2) ws.Liste2.SetSelected(i, true);
    });
    gForm->Controls().Liste2->viewport()->repaint();
    QCoreApplication::processEvents();
  }
  state.counters["entries"] = double(gForm->Controls().Liste2->count());
  state.counters["selected"] = double(gForm->Controls().Liste2->selectedItems().size());
}

BENCHMARK(BM_FullWordListRedraw)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_GrossletterClick)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_SolutionFieldShowsResult)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  auto form = std::make_unique<tesmoran::Form1>();
  form->show();
  QCoreApplication::processEvents();
  gForm = form.get();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
