// The main window as the logic sees it: what Run reads from the widgets and
// writes back, line breaks, marked parts, undo and the word list.
#include <QScrollBar>
#include <stdexcept>

#include "QtTestSupport.h"
#include "test_form1_support.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {
void Nothing(Worksheet&, UiServices&) {}
}  // namespace

class Form1RunTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void twoTypedLinesBecomeOneLineOfCapitals() {
    Form1 form;
    ScriptedUi ui;
    form.SetUiServices(&ui);
    QPlainTextEdit* original = Field(form, "Text1");
    QTest::keyClicks(original, "Der Hund.");
    QTest::keyClick(original, Qt::Key_Return);
    QTest::keyClicks(original, "Die Katze.");
    Click(form, "Befehl1");
    QCOMPARE(form.Sheet().Text1.text, Text(U"Der Hund.\r\nDie Katze."));
    QCOMPARE(FieldText(form, "Text2"), Text(U"DER HUND.DIE KATZE."));
    QCOMPARE(Field(form, "Text2")->toPlainText(), QStringLiteral("DER HUND.DIE KATZE."));
  }

  void lineBreaksReachTheLogicAsCrLf_data() {
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<Text>("expected");
    QTest::newRow("LF") << QStringLiteral("a\nb") << Text(U"a\r\nb");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << Text(U"a\r\nb");
    QTest::newRow("CR alone") << QStringLiteral("a\rb") << Text(U"a\r\nb");
    QTest::newRow("two LF") << QStringLiteral("a\n\nb") << Text(U"a\r\n\r\nb");
    QTest::newRow("line separator") << QStringView(u"a\u2028b").toString() << Text(U"a\r\nb");
    QTest::newRow("paragraph separator") << QStringView(u"a\u2029b").toString() << Text(U"a\r\nb");
    QTest::newRow("trailing break") << QStringLiteral("a\n") << Text(U"a\r\n");
    QTest::newRow("non-breaking space kept") << QStringView(u"a\u00A0b").toString() << Text(U"a\u00A0b");
    QTest::newRow("decomposed umlaut joined") << QStringView(u"a\u0308").toString() << Text(U"ä");
  }
  void lineBreaksReachTheLogicAsCrLf() {
    QFETCH(QString, inserted);
    QFETCH(Text, expected);
    Form1 form;
    PasteInto(form, "Text1", inserted);
    form.Run(Nothing);
    QCOMPARE(form.Sheet().Text1.text, expected);
  }

  void shiftEnterIsALineBreakToo() {
    Form1 form;
    QPlainTextEdit* original = Field(form, "Text1");
    QTest::keyClicks(original, "ab");
    QTest::keyClick(original, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(original, "c");
    form.Run(Nothing);
    QCOMPARE(form.Sheet().Text1.text, Text(U"ab\r\nc"));
  }

  void markingIsCountedInCharacters_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("from");  // field positions
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<Text>("marked");
    QTest::newRow("plain") << QStringLiteral("Der Hund bellt.") << 4 << 8 << 4 << 4 << Text(U"Hund");
    QTest::newRow("after a line break")
        << QStringLiteral("Der\nHund bellt.") << 4 << 8 << 5 << 4 << Text(U"Hund");
    QTest::newRow("across a line break")
        << QStringLiteral("ab\ncd") << 1 << 4 << 1 << 4 << Text(U"b\r\nc");
    QTest::newRow("after a character outside the basic plane")
        << QStringView(u"\U0001F600 Hund").toString() << 3 << 7 << 2 << 4 << Text(U"Hund");
    QTest::newRow("after a decomposed umlaut")
        << QStringView(u"Ba\u0308r Hund").toString() << 5 << 9 << 4 << 4 << Text(U"Hund");
    QTest::newRow("nothing marked") << QStringLiteral("Hund") << 2 << 2 << 2 << 0 << Text();
  }
  void markingIsCountedInCharacters() {
    QFETCH(QString, content);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(Text, marked);
    Form1 form;
    PasteInto(form, "Text1", content);
    MarkFieldPositions(form, "Text1", from, to);
    form.Run(Nothing);
    QCOMPARE(form.Sheet().Text1.selStart, std::size_t(selStart));
    QCOMPARE(form.Sheet().Text1.selLength, std::size_t(selLength));
    QCOMPARE(form.Sheet().Text1.Marked(), marked);
  }

  void markedPartIsWhatTheExerciseWorksOn() {
    Form1 form;
    PasteInto(form, "Text1", QStringLiteral("Der Hund bellt.\nLaut."));
    MarkFieldPositions(form, "Text1", 4, 8);
    Click(form, "Befehl1");
    QCOMPARE(FieldText(form, "Text2"), Text(U"HUND"));
    QCOMPARE(Field(form, "Text1")->textCursor().selectedText(), QStringLiteral("Hund"));
  }

  void markingSetByACommandIsShown_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("second line") << 5 << 4 << QStringLiteral("Hund");
    QTest::newRow("across the break") << 2 << 4 << QStringView(u"r\u2029H").toString();
    QTest::newRow("beyond the end is clipped") << 5 << 99 << QStringLiteral("Hund");
  }
  void markingSetByACommandIsShown() {
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, shown);
    Form1 form;
    form.Run([&](Worksheet& ws, UiServices&) {
      ws.Text1.Set(U"Der\r\nHund");
      ws.Text1.selStart = std::size_t(start);
      ws.Text1.selLength = std::size_t(length);
    });
    QCOMPARE(Field(form, "Text1")->textCursor().selectedText(), shown);
  }

  void undoAfterAnExerciseBringsBackTheSolutionText() {
    Form1 form;
    QTest::keyClicks(Field(form, "Text2"), "alt");
    QTest::keyClicks(Field(form, "Text1"), "neu");
    Click(form, "Befehl1");
    QCOMPARE(FieldText(form, "Text2"), Text(U"NEU"));
    QTest::keyClick(Field(form, "Text2"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(FieldText(form, "Text2"), Text(U"alt"));
    QTest::keyClicks(Field(form, "Text2"), "!");
    QCOMPARE(FieldText(form, "Text2"), Text(U"alt!"));
  }

  void anUnchangedFieldKeepsItsContentAndHistory() {
    Form1 form;
    QPlainTextEdit* solution = Field(form, "Text2");
    PasteInto(form, "Text2", QStringView(u"a\u0308b").toString());  // a decomposed letter stays as typed
    QTest::keyClicks(Field(form, "Text1"), "x");
    const int undoSteps = solution->document()->availableUndoSteps();
    form.Run(Nothing);
    QCOMPARE(solution->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(solution->toPlainText(), QStringView(u"a\u0308b").toString());
  }

  void extendModeAppendsAfterALineBreak() {
    Form1 form;
    form.ChooseWorkingMode(kModeExtend);
    QTest::keyClicks(Field(form, "Text1"), "abc");
    Click(form, "Befehl1");
    Click(form, "Befehl2");
    QCOMPARE(FieldText(form, "Text2"), Text(U"\r\nABC\r\nabc"));
    QCOMPARE(Field(form, "Text2")->document()->blockCount(), 3);
  }

  void emptyOriginalTextShowsTheMessageOnce() {
    Form1 form;
    ScriptedUi ui;
    form.SetUiServices(&ui);
    PasteInto(form, "Text2", QStringLiteral("bleibt"));
    ui.AnswerMessage(kAnswerOk);
    Click(form, "Befehl1");
    QCOMPARE(ui.Shown().size(), std::size_t(1));
    QCOMPARE(ui.Shown()[0].prompt, Text(U"Kein Originaltext vorhanden.\r"));
    QCOMPARE(ui.Shown()[0].title, Text(U"Textfehler"));
    QCOMPARE(FieldText(form, "Text2"), Text(U"bleibt"));
  }

  void wordListIsRedrawnWithItsSelection() {
    Form1 form;
    form.Run([](Worksheet& ws, UiServices&) {
      ws.Liste2.Assign({U"Hund", U"Katze", U"Maus", U"Igel"});
      ws.Liste2.SetSelected(1, true);
      ws.Liste2.SetSelected(2, true);
    });
    QListWidget* words = List(form, "Liste2");
    QCOMPARE(words->count(), 4);
    QCOMPARE(words->item(3)->text(), QStringLiteral("Igel"));
    QList<bool> selected;
    for (int i = 0; i < words->count(); ++i) selected << words->item(i)->isSelected();
    QCOMPARE(selected, (QList<bool>{false, true, true, false}));
  }

  void redrawingTheWordListKeepsItsScrollPosition() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    std::vector<Text> words;
    for (int i = 0; i < 300; ++i) words.push_back(U"wort" + FromQString(QString::number(i)));
    form.Run([&words](Worksheet& ws, UiServices&) { ws.Liste2.Assign(words); });
    QListWidget* list = List(form, "Liste2");
    QCoreApplication::processEvents();
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum() / 2);
    const int scrolledTo = list->verticalScrollBar()->value();
    QVERIFY(scrolledTo > 0);
    list->item(0)->setSelected(true);
    Click(form, "Befehl1");
    QCoreApplication::processEvents();
    QCOMPARE(list->item(299)->text(), QStringLiteral("WORT299"));
    QCOMPARE(list->verticalScrollBar()->value(), scrolledTo);
  }

  void selectionOnTheScreenReachesTheLogic() {
    Form1 form;
    form.Run([](Worksheet& ws, UiServices&) { ws.Liste2.Assign({U"a", U"b", U"c"}); });
    QListWidget* words = List(form, "Liste2");
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, words->visualItemRect(words->item(2)).center());
    form.Run(Nothing);
    QVERIFY(!form.Sheet().Liste2.IsSelected(0));
    QVERIFY(form.Sheet().Liste2.IsSelected(2));
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, words->visualItemRect(words->item(2)).center());
    form.Run(Nothing);
    QVERIFY(!form.Sheet().Liste2.AnySelected());
  }

  void aSelectedEntrySwitchesTheExerciseToTheList() {
    Form1 form;
    PasteInto(form, "Text1", QStringLiteral("Text"));
    PasteInto(form, "Text2", QStringLiteral("bleibt"));
    form.Run([](Worksheet& ws, UiServices&) { ws.Liste2.Assign({U"hund", U"katze"}); });
    List(form, "Liste2")->item(1)->setSelected(true);
    Click(form, "Befehl1");
    QCOMPARE(List(form, "Liste2")->item(0)->text(), QStringLiteral("HUND"));
    QCOMPARE(List(form, "Liste2")->item(1)->text(), QStringLiteral("KATZE"));
    QVERIFY(List(form, "Liste2")->item(1)->isSelected());
    QCOMPARE(FieldText(form, "Text2"), Text(U"bleibt"));
  }

  void aFailingCommandLeavesTheFieldsAsTheyWere() {
    Form1 form;
    ScriptedUi ui;
    form.SetUiServices(&ui);
    PasteInto(form, "Text2", QStringLiteral("getippt"));
    ui.AnswerMessage(kAnswerOk);
    form.Run([](Worksheet& ws, UiServices&) {
      ws.Text2 = U"halb fertig";
      throw std::runtime_error("broken");
    });
    QCOMPARE(FieldText(form, "Text2"), Text(U"getippt"));
    QCOMPARE(form.Sheet().Text2, Text(U"getippt"));
    QCOMPARE(ui.Shown().size(), std::size_t(1));
    QCOMPARE(ui.Shown()[0].style, style::kOkStop);
  }

  void aCommandStartedInsideAnotherSharesItsWorksheet() {
    Form1 form;
    form.Run([&form](Worksheet& ws, UiServices&) {
      ws.Text2 = U"außen";
      form.Run([](Worksheet& inner, UiServices&) { inner.Text2 += U" innen"; });
      ws.Text2 += U" fertig";
    });
    QCOMPARE(FieldText(form, "Text2"), Text(U"außen innen fertig"));
    Field(form, "Text2")->undo();
    QCOMPARE(FieldText(form, "Text2"), Text());
  }
};

QTEST_MAIN(Form1RunTest)
#include "test_form1_run.moc"
