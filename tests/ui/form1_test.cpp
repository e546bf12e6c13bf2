// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as the user drives it: controls, what Run reads and
// writes back, its own commands, the word list and the task list.
#include <QSignalSpy>
#include <stdexcept>

#include "form1_test_support.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

void Nothing(Worksheet&, UiServices&) {}

// Builds the word list from `text`, the count message answered.
void BuildWordList(Window& w, const QString& text) {
  PasteInto(w.form, "Text1", text);
  w.ui.AnswerMessage(kAnswerOk);
  Click(w.form, "Bild8");
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void whatTheLogicReadsFromAField() {
    // The inserted text, the marked field positions [from, to), what the logic reads.
    const struct {
      QString inserted;
      int from, to;
      Text text, marked;
    } rows[] = {
        {"a\r\nb", 0, 0, U"a\r\nb", {}},
        {"a\rb", 0, 0, U"a\r\nb", {}},
        {QStringView(u"a\u2028b\n").toString(), 0, 0, U"a\r\nb\r\n", {}},
        {QStringView(u"a\u0308").toString(), 0, 0, U"ä", {}},  // a decomposed umlaut joined
        {"Der\nHund bellt.", 4, 8, U"Der\r\nHund bellt.", U"Hund"},
        {"ab\ncd", 1, 4, U"ab\r\ncd", U"b\r\nc"},
        {QStringView(u"\U0001F600 Hund").toString(), 3, 7, U"\U0001F600 Hund", U"Hund"},
        {QStringView(u"Ba\u0308r Hund").toString(), 5, 9, U"Bär Hund", U"Hund"},
    };
    for (const auto& row : rows) {
      Form1 form;
      PasteInto(form, "Text1", row.inserted);
      MarkFieldPositions(form, "Text1", row.from, row.to);
      form.Run(Nothing);
      QCOMPARE(form.Sheet().Text1.text, row.text);
      QCOMPARE(form.Sheet().Text1.Marked(), row.marked);
    }
  }

  // Only the changed field is rewritten: the other keeps its content (a
  // decomposed letter stays as typed) and its history.
  void undoAfterAnExerciseBringsBackTheSolutionText() {
    Form1 form;
    QTest::keyClicks(Field(form, "Text2"), "alt");
    PasteInto(form, "Text1", QStringView(u"a\u0308b").toString());
    const int undoSteps = Field(form, "Text1")->document()->availableUndoSteps();
    Click(form, "Befehl1");
    QCOMPARE(FieldText(form, "Text2"), Text(U"ÄB"));
    QCOMPARE(Field(form, "Text1")->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(Field(form, "Text1")->toPlainText(), QStringView(u"a\u0308b").toString());
    QTest::keyClick(Field(form, "Text2"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(FieldText(form, "Text2"), Text(U"alt"));
  }

  void aFailingCommandLeavesTheFieldsAsTheyWere() {
    Window w;
    PasteInto(w.form, "Text2", QStringLiteral("getippt"));
    w.ui.AnswerMessage(kAnswerOk);
    w.form.Run([](Worksheet& ws, UiServices&) {
      ws.Text2 = U"halb fertig";
      throw std::runtime_error("broken");
    });
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"getippt"));
    QCOMPARE(w.form.Sheet().Text2, Text(U"getippt"));
    QCOMPARE(w.ui.Shown().at(0).style, style::kOkStop);
  }

  void clipboardAndCopyCommands() {
    // The fields hold "Ober\nText" and "Unten", part of the first is marked:
    // the commands work on whole texts.
    const Text o = U"Ober\r\nText", s = U"Unten", none;
    const struct {
      const char* control;
      Text clipboard, original, solution, clipboardAfter;
    } rows[] = {
        {"Bild12", U"a\nb\rc", U"a\r\nb\r\nc", s, U"a\nb\rc"},  // pastes into the original text
        {"Bild12", none, none, s, none},                        // an empty clipboard empties it
        {"Bild11", U"Ablage", o, U"Ablage", U"Ablage"},         // pastes into the solution text
        {"Befehl26", U"alt", o, s, o},                          // copies the original text
        {"Befehl17", U"alt", o, s, s},                          // copies the solution text
        {"Befehl22", none, s, s, none},                         // original text := solution text
        {"Befehl27", none, o, o, none},                         // solution text := original text
        {"Bild13", none, o, none, none},                        // clears the solution text
    };
    for (const auto& row : rows) {
      Window w;
      w.ui.clipboard = row.clipboard;
      PasteInto(w.form, "Text1", QStringLiteral("Ober\nText"));
      PasteInto(w.form, "Text2", QStringLiteral("Unten"));
      MarkFieldPositions(w.form, "Text1", 1, 3);
      Click(w.form, row.control);
      QCOMPARE(FieldText(w.form, "Text1"), row.original);
      QCOMPARE(FieldText(w.form, "Text2"), row.solution);
      QCOMPARE(w.ui.clipboard, row.clipboardAfter);
      // A replaced field gets its text back with one undo step.
      if (row.original != o) Field(w.form, "Text1")->undo();
      if (row.solution != s) Field(w.form, "Text2")->undo();
      QCOMPARE(FieldText(w.form, "Text1"), o);
      QCOMPARE(FieldText(w.form, "Text2"), s);
    }
  }

  void closingTheWindowEndsWithoutAQuestion() {
    Window w;  // any box would fail the test
    w.form.show();
    QSignalSpy ending(&w.form, &Form1::EndRequested);
    QVERIFY(w.form.close());
    QCOMPARE(ending.count(), 1);
  }

  // While an entry is selected an exercise rewrites every entry and not the
  // text; after "Keines" the next press works on the text again.  "Reset"
  // brings back the copy "Sichern" made.
  void anExerciseWorksOnTheListWhileAnEntryIsSelected() {
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund bellt."));
    PasteInto(w.form, "Text2", QStringLiteral("Lösung"));
    QListWidget* words = List(w.form, "Liste2");
    ClickRow(words, words->item(1));
    Click(w.form, "Befehl1");  // "Großletter"
    QCOMPARE(Entries(words), QStringList({"DER", "HUND", "BELLT"}));
    QCOMPARE(SelectedRows(words), QList<int>({1}));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"Lösung"));
    Click(w.form, "Befehl28");  // "Sichern"
    Click(w.form, "Befehl21");  // "Alle"
    QCOMPARE(SelectedRows(words), QList<int>({0, 1, 2}));
    Click(w.form, "Befehl24");  // "Keines"
    QVERIFY(SelectedRows(words).isEmpty());
    Click(w.form, "Befehl2");  // "Kleinletter"
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"der hund bellt."));
    QCOMPARE(Entries(words), QStringList({"DER", "HUND", "BELLT"}));
    ClickRow(words, words->item(0));
    Click(w.form, "Befehl2");
    QCOMPARE(Entries(words), QStringList({"der", "hund", "bellt"}));
    Click(w.form, "Befehl23");  // "Reset"
    QCOMPARE(Entries(words), QStringList({"DER", "HUND", "BELLT"}));
  }

  void loeschenAndTheWordsToTheSolutionTextAndClipboard() {
    Window w;
    BuildWordList(w, QStringLiteral("Hund Maus Katze Igel"));
    PasteInto(w.form, "Text2", QStringLiteral("Aufgabe"));
    QListWidget* words = List(w.form, "Liste2");
    ClickRow(words, words->item(1));
    w.ui.AnswerMessage(kAnswerYes);
    Click(w.form, "Befehl25");  // "Löschen"
    QCOMPARE(Entries(words), QStringList({"Hund", "Katze", "Igel"}));
    ClickRow(words, words->item(0));
    ClickRow(words, words->item(2));
    Click(w.form, "Befehl20");  // "<=="
    QCOMPARE(w.form.Sheet().Text2, Text(U"Aufgabe\r\nHund Igel \r\n"));
    w.ui.AnswerMessage(kAnswerYes);
    Click(w.form, "Befehl30");  // "Ersetze Zwischenablage"
    QCOMPARE(w.ui.clipboard, Text(U"Hund\r\nIgel\r\n"));
    QVERIFY(SelectedRows(words).isEmpty());
  }

  void taskIconTogglesTheListOverTheOriginalText() {
    Form1 form;
    form.show();
    QListWidget* list = List(form, "Liste1");
    QVERIFY(list->isHidden());
    for (bool shown : {true, false, true}) {
      Click(form, "Bild1");
      QCOMPARE(list->isVisible(), shown);  // where it lies: form1_growth_test.cpp
    }
  }

  // Each double-click hides the list and adds one more line, also in the
  // mode that replaces the solution text.
  void doubleClickAppendsTheSentence() {
    const Text added = U"\r\nSchreibe ___ Wörter aus der Wortfamilie dazu!";
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.form.ChooseWorkingMode(kModeReplace);
    PasteInto(w.form, "Text2", "ABC");
    QListWidget* list = List(w.form, "Liste1");
    for (int times = 0; times < 2; ++times) {
      Click(w.form, "Bild1");
      QCoreApplication::processEvents();  // the list lays out its entries once shown
      list->scrollToItem(list->item(47));
      ClickRow(list, list->item(47), true);
      QVERIFY(list->isHidden());
    }
    QCOMPARE(FieldText(w.form, "Text2"), U"ABC" + added + added);
  }

  // The rules of replacing are tested in search_replace_test.cpp; here the
  // field's line breaks, the marking and the working mode reach them.
  void searchAndReplaceDeliversIntoTheSolutionText() {
    Window w;
    w.ui.AnswerInput(U"Kater");
    w.form.ChooseWorkingMode(kModeExtend);
    PasteInto(w.form, "Text1", "Der Hund.\nDie Katze.");
    MarkFieldPositions(w.form, "Text1", 4, 8);
    Click(w.form, "Bild10");
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"\r\nDer Kater.Die Katze."));
    QCOMPARE(Field(w.form, "Text1")->toPlainText(), QStringLiteral("Der Hund.\nDie Katze."));
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
