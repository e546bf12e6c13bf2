// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven with mouse and keyboard through the window
// system's path: nothing but the user's pick changes the working mode, every
// click on a word toggles it, the keyboard goes where the user looks, and
// the close box does not throw work away.  Drags: test_drag_x11.cpp.
#include <QMimeData>
#include <QSignalSpy>
#include <QToolButton>
#include <functional>

#include "form1_test_support.h"
#include "worksheet/EditingCommands.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

const QString kExtendCaption = QStringLiteral("T E S M O R A N : Lösungstext erweitern");

QPoint RowCentre(QListWidget* list, int row) {
  return InWindow(*list->viewport(), list->visualItemRect(list->item(row)).center());
}

// The main window, shown and active, with scripted boxes; the original
// text «abc», the solution text «X», working mode "Lösungstext erweitern"
// chosen by a click on its entry.
struct ShownWindow : Window {
  ShownWindow() {
    if (!ShowActive(form)) qFatal("the main window did not become active");
    PasteInto(form, "Text1", QStringLiteral("abc"));
    PasteInto(form, "Text2", QStringLiteral("X"));
    Click(form, "Bild7");
    QTest::mouseClick(Win(), Qt::LeftButton, {}, RowCentre(Modes(), kModeExtend));
  }
  QWindow* Win() { return form.windowHandle(); }
  QListWidget* Modes() { return List(form, "Liste3"); }
  void Key(Qt::Key key) { QTest::keyClick(Win(), key); }
};

using Gesture = std::function<void(ShownWindow&)>;

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class NoLostWorkTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  // With the list shown, neither moving the highlight nor pressing on one
  // entry and letting go on the other chooses, nor Escape or a click
  // elsewhere; Return on the highlighted entry does.  "Großletter" then
  // works as the caption says.
  void onlyAPickChangesTheWorkingMode_data() {
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<int>("highlighted");  // the entry highlighted afterwards
    QTest::addColumn<int>("mode");
    QTest::newRow("arrow up, then Escape") << Gesture([](ShownWindow& w) {
      w.Key(Qt::Key_Up);
      w.Key(Qt::Key_Escape);
    }) << true << int(kModeReplace) << int(kModeExtend);
    QTest::newRow("press on one entry, release on the other") << Gesture([](ShownWindow& w) {
      QTest::mousePress(w.Win(), Qt::LeftButton, {}, RowCentre(w.Modes(), kModeExtend));
      QTest::mouseMove(w.Win(), RowCentre(w.Modes(), kModeReplace));
      QTest::mouseRelease(w.Win(), Qt::LeftButton, {}, RowCentre(w.Modes(), kModeReplace));
    }) << false << int(kModeReplace) << int(kModeExtend);
    QTest::newRow("click on the original text") << Gesture([](ShownWindow& w) {
      QTest::mouseClick(w.Win(), Qt::LeftButton, {}, InWindow(*Field(w.form, "Text1"), {5, 5}));
    }) << true << int(kModeExtend) << int(kModeExtend);
    QTest::newRow("arrow up, then Return") << Gesture([](ShownWindow& w) {
      w.Key(Qt::Key_Up);
      w.Key(Qt::Key_Return);
    }) << true << int(kModeReplace) << int(kModeReplace);
  }
  void onlyAPickChangesTheWorkingMode() {
    QFETCH(Gesture, gesture);
    QFETCH(bool, hides);
    QFETCH(int, highlighted);
    QFETCH(int, mode);
    ShownWindow w;
    Click(w.form, "Bild7");
    gesture(w);
    if (hides) QVERIFY(w.Modes()->isHidden());
    QCOMPARE(w.Modes()->currentRow(), highlighted);
    QCOMPARE(w.form.Sheet().Liste3, mode);
    Click(w.form, "Befehl1");  // "Großletter"
    QCOMPARE(FieldText(w.form, "Text2"), Text(mode == kModeExtend ? U"X\r\nABC" : U"ABC"));
    QCOMPARE(w.form.windowTitle(),
             mode == kModeExtend ? kExtendCaption : QStringLiteral("T E S M O R A N : Lösungstext ersetzen"));
  }

  void plainTextFromAnotherProgramIsDroppedIntoTheOriginalText() {
    Form1 form;
    QWidget* target = Field(form, "Text1")->viewport();
    QMimeData data;
    data.setText(QStringLiteral("Katze"));
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCOMPARE(FieldText(form, "Text1"), Text(U"Katze"));
  }

  // Two clicks as quick as a double click select and unselect the word.
  void twoQuickClicksOnAWordToggleItTwice() {
    ShownWindow w;
    PasteInto(w.form, "Text1", QStringLiteral("Der Hund bellt."));
    w.ui.AnswerMessage(kAnswerOk);
    Click(w.form, "Bild8");
    QListWidget* words = List(w.form, "Liste2");
    QTest::mouseDClick(w.Win(), Qt::LeftButton, {}, RowCentre(words, 1));
    QVERIFY(!words->item(1)->isSelected());
    Click(w.form, "Befehl2");  // "Kleinletter" works on the text, not the list
    QCOMPARE(Entries(words), QStringList({"Der", "Hund", "bellt"}));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"X\r\nder hund bellt."));
  }

  void theOriginalTextHasTheKeyboardAtStart() {
    Form1 form;
    QVERIFY(ShowActive(form));
    QCOMPARE(QApplication::focusWidget(), Field(form, "Text1"));
  }

  // Shown by its icon, the task list takes the keys: Return inserts the
  // highlighted sentence as a double click does, and nothing is typed into
  // the original text beneath.
  void returnInTheTaskListInsertsTheHighlightedSentence() {
    ShownWindow w;
    Click(w.form, "Bild1");
    QListWidget* tasks = List(w.form, "Liste1");
    QCOMPARE(QApplication::focusWidget(), tasks);
    w.Key(Qt::Key_Down);
    w.Key(Qt::Key_Return);
    QVERIFY(tasks->isHidden());
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"X\r\nSchreibe den Text in der Gegenwart!"));
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"abc"));
  }

  void escapeHidesTheTaskListAndInsertsNothing() {
    ShownWindow w;
    Click(w.form, "Bild1");
    w.Key(Qt::Key_Escape);
    QVERIFY(List(w.form, "Liste1")->isHidden());
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"X"));
    QCOMPARE(QApplication::focusWidget(), Field(w.form, "Text1"));
  }

  // Whatever the window holds, the close box asks the exit question, as the
  // exit icon always does; the answer decides, No keeping the window and
  // everything in it.
  void exitQuestionDecides_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<int>("answer");
    QTest::newRow("original text, close box, No") << "Text1" << false << kAnswerNo;
    QTest::newRow("solution text, close box, No") << "Text2" << false << kAnswerNo;
    QTest::newRow("word list, close box, Yes") << "Liste2" << false << kAnswerYes;
    QTest::newRow("original text, exit icon, No") << "Text1" << true << kAnswerNo;
    QTest::newRow("original text, exit icon, Yes") << "Text1" << true << kAnswerYes;
  }
  void exitQuestionDecides() {
    QFETCH(QString, field);
    QFETCH(bool, icon);
    QFETCH(int, answer);
    Window w;
    w.form.show();
    PasteInto(w.form, field == "Text2" ? "Text2" : "Text1", QStringLiteral("Hund"));
    if (field == "Liste2") {
      w.ui.AnswerMessage(kAnswerOk);
      Click(w.form, "Bild8");
      PasteInto(w.form, "Text1", QString());
    }
    QSignalSpy ending(&w.form, &Form1::EndRequested);
    w.ui.AnswerMessage(answer);
    if (icon) {
      Click(w.form, "Bild2");
    } else {
      QCOMPARE(w.form.close(), answer == kAnswerYes);
    }
    QCOMPARE(w.ui.Shown().back().prompt, Text(U"Das Programm jetzt beenden?\r"));
    QCOMPARE(w.ui.Shown().back().style, 276);
    QCOMPARE(w.ui.Shown().back().title, Text(U"Tesmoran:  Übungstexte für Lesen und Rechtschreibung, Version 1.0"));
    QCOMPARE(ending.count(), answer == kAnswerYes ? 1 : 0);
    QCOMPARE(w.form.isVisible(), answer != kAnswerYes);
    if (field != "Liste2") QCOMPARE(FieldText(w.form, qPrintable(field)), Text(U"Hund"));
  }

  // When the desktop session ends the window closes without a question
  // (the recovery file keeps the work); any box would fail the test.
  void anEndingSessionClosesWithoutAQuestion() {
    Window w;
    w.form.show();
    PasteInto(w.form, "Text1", QStringLiteral("Hund"));
    QSignalSpy ending(&w.form, &Form1::EndRequested);
    w.form.EndWithoutQuestion();
    QVERIFY(w.form.close());
    QCOMPARE(ending.count(), 1);
  }
};

QTEST_MAIN(NoLostWorkTest)
#include "no_lost_work_test.moc"
