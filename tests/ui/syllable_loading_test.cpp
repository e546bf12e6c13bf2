// SPDX-License-Identifier: GPL-3.0-or-later
// The syllable engine loads on a thread of its own: the main window answers
// while it loads, a "Silben trennen" or printed sheet asked for meanwhile runs
// once it is there, the pattern file is read once, and a missing file is
// reported only when syllables are asked for.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "form1_test_support.h"
#include "ui/printsheet/ArbeitsblattWindow.h"
#include "ui/syllables/SyllableEngineLoader.h"
#include "ui/syllables/SyllableExceptionsEditor.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

const std::string kMissingFile = "/nonexistent/hyph_de_DE.dic";

// What the loading thread shares with the test: it waits until `open`.
struct LoadState {
  std::atomic<int> loads{0};
  std::atomic<bool> open{false};
};

// The main window whose engine loads behind a gate, counting the readings.
struct LoadingWindow {
  explicit LoadingWindow(std::string path = {}) {
    form.SetUiServices(&ui);
    Loader().SetLoadFunction([state = state, path] {
      ++state->loads;
      // The first window of the run really reads the file meanwhile.
      HyphenPatterns::Load load = HyphenPatterns::Open(path);
      while (!state->open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return load;
    });
    if (!ShowActive(form)) qFatal("the main window did not become active");
  }
  // Lets the thread finish before the window waits for it.
  ~LoadingWindow() { state->open = true; }
  SyllableEngineLoader& Loader() { return SyllableEngineLoader::Of(form); }
  int Loads() const { return state->loads.load(); }

  std::shared_ptr<LoadState> state = std::make_shared<LoadState>();
  Form1 form;
  ScriptedUi ui;
};

// How long the window thread takes to come round to a posted event.
qint64 RoundTripMs() {
  QElapsedTimer timer;
  timer.start();
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
  return timer.elapsed();
}

// The body text of the printed sheet's first page, run by run.
QStringList BodyRuns(const ArbeitsblattWindow& sheet) {
  QStringList runs;
  if (sheet.Document().pages.empty()) return runs;
  for (const TextRun& run : sheet.Document().pages.front().runs) {
    if (run.role == FontRole::kBody) runs << QString::fromStdU32String(run.text);
  }
  return runs;
}

bool BusyCursorShown() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::BusyCursor;
}

void OpenSheetWindow(const Form1& form) { MenuEntry(form, QStringLiteral("Arbeitsblatt gestalten…"))->trigger(); }

// The three ways of asking for syllables in the main window.
using Ask = std::function<void(Form1&)>;

void ByMenu(Form1& form) { form.findChild<QAction*>(QStringLiteral("silbenTrennenMenue"))->trigger(); }
void ByKey(Form1& form) { QTest::keyClick(Field(form, "Text1"), Qt::Key_T, Qt::ControlModifier); }
void ByContextMenu(Form1& form) {
  QPlainTextEdit* field = Field(form, "Text1");
  Q_EMIT field->customContextMenuRequested(QPoint(4, 4));
  QMenu* menu = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* candidate = qobject_cast<QMenu*>(top); candidate && candidate->isVisible()) menu = candidate;
  }
  QVERIFY(menu);
  menu->findChild<QAction*>(QStringLiteral("silbenTrennen"))->trigger();
  menu->close();
}

void AddAskRows() {
  QTest::addColumn<Ask>("ask");
  QTest::newRow("Übungen menu") << Ask(ByMenu);
  QTest::newRow("Ctrl+T") << Ask(ByKey);
  QTest::newRow("context menu") << Ask(ByContextMenu);
}

}  // namespace

Q_DECLARE_METATYPE(Ask)

class SyllableLoadingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }
  void cleanup() { delete ArbeitsblattWindow::Instance(); }

  void syllablesAskedBeforeReadyRunOnceLoaded_data() { AddAskRows(); }
  void syllablesAskedBeforeReadyRunOnceLoaded() {
    QFETCH(Ask, ask);
    LoadingWindow w;
    w.Loader().Start();
    // The window takes typing while the engine loads, nobody waiting for it yet.
    QTest::keyClicks(Field(w.form, "Text1"), QStringLiteral("Oma liest am Abend."));
    PasteInto(w.form, "Text2", QStringLiteral("alt"));
    QVERIFY(!w.Loader().IsReady());
    QVERIFY(!BusyCursorShown());
    ask(w.form);
    QVERIFY(!w.Loader().IsReady());
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"alt"));
    QVERIFY(BusyCursorShown());
    QVERIFY2(RoundTripMs() < 100, "the window stopped answering while a command waits");

    w.state->open = true;
    QTRY_VERIFY_WITH_TIMEOUT(w.Loader().IsReady(), 30000);
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"O-ma liest am A-bend."));
    QVERIFY(!QApplication::overrideCursor());

    // Once loaded, the next call runs at once on the same patterns.
    PasteInto(w.form, "Text1", QStringLiteral("Igel"));
    ask(w.form);
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"I-gel"));
    QCOMPARE(w.Loads(), 1);
  }

  void theSheetAskedBeforeReadyOpensWithSyllablesOnceLoaded() {
    LoadingWindow w;
    w.Loader().Start();
    PasteInto(w.form, "Text2", QStringLiteral("Oma liest."));
    QTest::keyClick(&w.form, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!ArbeitsblattWindow::Instance());
    QVERIFY(BusyCursorShown());
    QVERIFY2(RoundTripMs() < 100, "the window stopped answering while the printed sheet waits");

    w.state->open = true;
    QTRY_VERIFY_WITH_TIMEOUT(ArbeitsblattWindow::Instance() != nullptr, 30000);
    ArbeitsblattWindow* sheet = ArbeitsblattWindow::Instance();
    QVERIFY(sheet->isVisible());
    QVERIFY(!Child<QLabel>(*sheet, "silbenhinweis")->isVisible());
    QVERIFY(!QApplication::overrideCursor());
    // Opening it again and splitting syllables read nothing more.
    const int revision = sheet->PreviewRevision();
    OpenSheetWindow(w.form);
    QVERIFY(sheet->PreviewRevision() > revision);
    PasteInto(w.form, "Text1", QStringLiteral("Igel"));
    ByMenu(w.form);
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"I-gel"));
    QCOMPARE(w.Loads(), 1);
  }

  void aMissingPatternFileIsReportedOnlyWhenSyllablesAreAsked_data() {
    QTest::addColumn<bool>("sheetWindow");
    QTest::newRow("Silben trennen") << false;
    QTest::newRow("Arbeitsblatt") << true;
  }
  void aMissingPatternFileIsReportedOnlyWhenSyllablesAreAsked() {
    QFETCH(bool, sheetWindow);
    LoadingWindow w(kMissingFile);
    w.state->open = true;
    w.Loader().Start();
    QTRY_VERIFY_WITH_TIMEOUT(w.Loader().IsReady(), 5000);
    QVERIFY(w.ui.Shown().empty());

    PasteInto(w.form, "Text1", QStringLiteral("Oma"));
    PasteInto(w.form, "Text2", QStringLiteral("alt"));
    w.ui.AnswerMessage();
    if (sheetWindow) {
      OpenSheetWindow(w.form);
    } else {
      ByMenu(w.form);
    }
    QCOMPARE(w.ui.Shown().size(), std::size_t(1));
    QCOMPARE(w.ui.Shown()[0].prompt,
             Text(U"Silbentrennung nicht möglich: Die Datei mit den deutschen Trennmustern „/nonexistent/"
                  U"hyph_de_DE.dic“ fehlt. Bitte installieren Sie das Paket tesmoran neu."));
    QCOMPARE(w.ui.Shown()[0].title, Text(U"Silben trennen"));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"alt"));
    if (sheetWindow) {
      ArbeitsblattWindow* sheet = ArbeitsblattWindow::Instance();
      QVERIFY(sheet && sheet->isVisible());
      QVERIFY(Child<QLabel>(*sheet, "silbenhinweis")->isVisible());
    }
  }

  // The exception list edited from the Arbeitsblatt window holds at once, in its open
  // preview and in "Silben trennen".
  void anEditedExceptionListHoldsAtOnce() {
    QFile::remove(SyllableExceptionsPath());
    LoadingWindow w;
    w.state->open = true;
    w.Loader().Start();
    QTRY_VERIFY_WITH_TIMEOUT(w.Loader().IsReady(), 30000);
    PasteInto(w.form, "Text2", QStringLiteral("Oma"));
    OpenSheetWindow(w.form);
    ArbeitsblattWindow* sheet = ArbeitsblattWindow::Instance();
    QVERIFY(sheet);
    Child<QComboBox>(*sheet, "silben")->setCurrentIndex(int(SyllableMarks::kColours));
    QTRY_COMPARE(BodyRuns(*sheet), QStringList({"O", "ma"}));
    sheet->runExceptionsDialog = [](QDialog& dialog) {
      dialog.findChild<QPlainTextEdit*>(QStringLiteral("ausnahmenliste"))->setPlainText(QStringLiteral("Om-a\n"));
      dialog.findChild<QPushButton*>(QStringLiteral("speichern"))->click();
      return dialog.result() == QDialog::Accepted;
    };
    Child<QPushButton>(*sheet, "ausnahmen")->click();
    QTRY_COMPARE(BodyRuns(*sheet), QStringList({"Om", "a"}));
    PasteInto(w.form, "Text1", QStringLiteral("Oma"));
    ByMenu(w.form);
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"Om-a"));
    Child<QComboBox>(*sheet, "silben")->setCurrentIndex(int(SyllableMarks::kNone));
    QFile::remove(SyllableExceptionsPath());
    QVERIFY(w.ui.Shown().empty());
  }

  // The program ends while the patterns are still being read and a command
  // waits for them: the window goes, the command never runs, and the cursor
  // is the normal one again.
  void closingWhileTheEngineLoadsEndsCleanly() {
    std::atomic<int> loads{0};
    auto* form = new Form1;
    ScriptedUi ui;  // any box would fail the test
    form->SetUiServices(&ui);
    SyllableEngineLoader::Of(*form).SetLoadFunction([&loads] {
      ++loads;
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      return HyphenPatterns::Open(kMissingFile);
    });
    form->show();
    ByMenu(*form);
    QVERIFY(BusyCursorShown());
    delete form;
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(loads.load(), 1);
    QTest::qWait(20);  // nothing posted by the finished thread runs
    QVERIFY(ui.Shown().empty());
  }
};

QTEST_MAIN(SyllableLoadingTest)
#include "syllable_loading_test.moc"
