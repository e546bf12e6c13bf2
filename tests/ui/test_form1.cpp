// The main window driven as the user drives it: its controls, what Run reads
// from the widgets and writes back, its own commands, the word list and the
// task list.
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <stdexcept>

#include "test_form1_support.h"
#include "ui/DragLabel.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

void Nothing(Worksheet&, UiServices&) {}

// Drops a control with this caption on the field, as the mouse does.
void DropCaption(const Form1& form, const char* field, const QString& caption) {
  QWidget* target = Field(form, field)->viewport();
  std::unique_ptr<QMimeData> data(ControlDragData(caption));
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

// Builds the word list from `text`, the count message answered.
void BuildWordList(Window& w, const QString& text) {
  PasteInto(w.form, "Text1", text);
  w.ui.AnswerMessage(kAnswerOk);
  Click(w.form, "Bild8");
}

QList<int> SelectedRows(const QListWidget* list) {
  QList<int> rows;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) rows << i;
  }
  return rows;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void everyControlIsThereWithItsCaptionInsideTheWindow() {
    const std::pair<const char*, const char*> captions[] = {
        {"Bezeichnung7", "O r i g i n a l t e x t"}, {"Bezeichnung2", "L ö s u n g s t e x t "},
        {"Bezeichnung1", "W ö r t e r l i s t e"}, {"Befehl26", "Ersetze Zwischenablage"},
        {"Befehl27", "Ersetze Lösungstext"}, {"Befehl17", "Ersetze Zwischenablage"},
        {"Befehl22", "Ersetze Originaltext"}, {"Befehl1", "Großletter"}, {"Befehl3", "Rückwärtstext"},
        {"Befehl19", "Mitlaute"}, {"Befehl12", "ABC-Wörter"}, {"Befehl14", "Lücken-Wörter"},
        {"Befehl2", "Kleinletter"}, {"Befehl29", "Rückwärtssatz"}, {"Befehl18", "Selbstlaute"},
        {"Befehl16", "ABC-Nr-Wörter"}, {"Befehl13", "MitSel-Wörter"}, {"Befehl6", "Bandwurmtext"},
        {"Befehl4", "Umkehrtext"}, {"Befehl8", "Nur Erstletter"}, {"Befehl15", "Wortrahmen"},
        {"Befehl9", "Purzel-Wörter"}, {"Befehl7", "Lückentext"}, {"Befehl10", "Umkehrsatz"},
        {"Befehl11", "Ohne Erstletter"}, {"Befehl5", "Umkehrwort"}, {"Befehl31", "Buchstaben"},
        {"Befehl21", "Alle"}, {"Befehl24", "Keines"}, {"Befehl25", "Löschen"}, {"Befehl28", "Sichern"},
        {"Befehl20", "<=="}, {"Befehl23", "Reset"}, {"Befehl30", "Ersetze Zwischenablage"}};
    Form1 form;
    for (const auto& [name, caption] : captions) {
      auto* w = form.Control<QWidget>(name);
      QVERIFY2(w, name);
      auto* label = qobject_cast<QLabel*>(w);
      const QString shown = label ? label->text() : qobject_cast<QAbstractButton*>(w)->text();
      QCOMPARE(shown, QString::fromUtf8(caption));
    }
    for (int i = 1; i <= 13; ++i) {
      const QByteArray name = "Bild" + QByteArray::number(i);
      auto* icon = form.Control<QToolButton>(name.constData());
      QVERIFY2(icon && !icon->icon().isNull() && !icon->toolTip().isEmpty(), name.constData());
    }
    for (const char* name : {"Text1", "Text2"}) QVERIFY(form.Control<QPlainTextEdit>(name));
    for (const char* name : {"Liste1", "Liste2", "Liste3"}) QVERIFY(form.Control<QListWidget>(name));
    // A few places: 1/1440 inch to pixels.
    QCOMPARE(Field(form, "Text1")->pos(), QPoint(56, 24));
    QCOMPARE(Field(form, "Text2")->geometry(), QRect(Px(840), Px(3240), Px(7695), Px(2655)));
    QCOMPARE(form.Control<QWidget>("Befehl31")->pos(), QPoint(Px(7080), Px(7440)));
    form.ShowWorkingModes();
    for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      QVERIFY2(form.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    QCOMPARE(form.minimumSize(), form.maximumSize());
  }

  void twoTypedLinesBecomeOneLineOfCapitals() {
    Window w;
    QPlainTextEdit* original = Field(w.form, "Text1");
    QTest::keyClicks(original, "Der Hund.");
    QTest::keyClick(original, Qt::Key_Return);
    QTest::keyClicks(original, "Die Katze.");
    Click(w.form, "Befehl1");
    QCOMPARE(w.form.Sheet().Text1.text, Text(U"Der Hund.\r\nDie Katze."));
    QCOMPARE(Field(w.form, "Text2")->toPlainText(), QStringLiteral("DER HUND.DIE KATZE."));
  }

  void lineBreaksReachTheLogicAsCrLf_data() {
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<Text>("expected");
    QTest::newRow("LF") << QStringLiteral("a\nb") << Text(U"a\r\nb");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << Text(U"a\r\nb");
    QTest::newRow("CR alone") << QStringLiteral("a\rb") << Text(U"a\r\nb");
    QTest::newRow("line separator") << QStringView(u"a\u2028b").toString() << Text(U"a\r\nb");
    QTest::newRow("trailing break") << QStringLiteral("a\n") << Text(U"a\r\n");
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

  void markingIsCountedInCharacters_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("from");  // field positions
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<Text>("marked");
    QTest::newRow("after a line break") << QStringLiteral("Der\nHund bellt.") << 4 << 8 << 5 << Text(U"Hund");
    QTest::newRow("across a line break") << QStringLiteral("ab\ncd") << 1 << 4 << 1 << Text(U"b\r\nc");
    QTest::newRow("after a character outside the basic plane")
        << QStringView(u"\U0001F600 Hund").toString() << 3 << 7 << 2 << Text(U"Hund");
    QTest::newRow("after a decomposed umlaut")
        << QStringView(u"Ba\u0308r Hund").toString() << 5 << 9 << 4 << Text(U"Hund");
    QTest::newRow("nothing marked") << QStringLiteral("Hund") << 2 << 2 << 2 << Text();
  }
  void markingIsCountedInCharacters() {
    QFETCH(QString, content);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, selStart);
    QFETCH(Text, marked);
    Form1 form;
    PasteInto(form, "Text1", content);
    MarkFieldPositions(form, "Text1", from, to);
    form.Run(Nothing);
    QCOMPARE(form.Sheet().Text1.selStart, std::size_t(selStart));
    QCOMPARE(form.Sheet().Text1.Marked(), marked);
  }

  void markingSetByACommandIsShown_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("second line") << 5 << 4 << QStringLiteral("Hund");
    QTest::newRow("across the break") << 2 << 4 << QStringView(u"r\u2029H").toString();
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
  }

  void anUnchangedFieldKeepsItsContentAndHistory() {
    Form1 form;
    QPlainTextEdit* solution = Field(form, "Text2");
    PasteInto(form, "Text2", QStringView(u"a\u0308b").toString());  // a decomposed letter stays as typed
    const int undoSteps = solution->document()->availableUndoSteps();
    form.Run(Nothing);
    QCOMPARE(solution->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(solution->toPlainText(), QStringView(u"a\u0308b").toString());
  }

  void emptyOriginalTextShowsTheMessageOnce() {
    Window w;
    PasteInto(w.form, "Text2", QStringLiteral("bleibt"));
    w.ui.AnswerMessage(kAnswerOk);
    Click(w.form, "Befehl1");
    QCOMPARE(w.ui.Shown().size(), std::size_t(1));
    QCOMPARE(w.ui.Shown()[0].prompt, Text(U"Kein Originaltext vorhanden.\r"));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"bleibt"));
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

  void clipboardAndCopyCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<Text>("clipboard");
    QTest::addColumn<Text>("expectedOriginal");
    QTest::addColumn<Text>("expectedSolution");
    QTest::addColumn<Text>("expectedClipboard");
    // The fields hold "Ober\nText" and "Unten".
    const Text o = U"Ober\r\nText", s = U"Unten", none;
    QTest::newRow("Bild12 pastes into the original text") << "Bild12" << Text(U"a\nb\rc") << Text(U"a\r\nb\r\nc") << s << Text(U"a\nb\rc");
    QTest::newRow("Bild12 with an empty clipboard") << "Bild12" << none << none << s << none;
    QTest::newRow("Bild11 pastes into the solution text") << "Bild11" << Text(U"Ablage") << o << Text(U"Ablage") << Text(U"Ablage");
    QTest::newRow("Befehl26 copies the original text") << "Befehl26" << Text(U"alt") << o << s << o;
    QTest::newRow("Befehl17 copies the solution text") << "Befehl17" << Text(U"alt") << o << s << s;
    QTest::newRow("Befehl22 original text := solution text") << "Befehl22" << none << s << s << none;
    QTest::newRow("Befehl27 solution text := original text") << "Befehl27" << none << o << o << none;
    QTest::newRow("Bild13 clears the solution text") << "Bild13" << none << o << none << none;
  }
  void clipboardAndCopyCommands() {
    QFETCH(QString, control);
    QFETCH(Text, clipboard);
    QFETCH(Text, expectedOriginal);
    QFETCH(Text, expectedSolution);
    QFETCH(Text, expectedClipboard);
    Window w;
    w.ui.clipboard = clipboard;
    PasteInto(w.form, "Text1", QStringLiteral("Ober\nText"));
    PasteInto(w.form, "Text2", QStringLiteral("Unten"));
    MarkFieldPositions(w.form, "Text1", 1, 3);  // the commands work on whole texts
    Click(w.form, control.toLatin1().constData());
    QCOMPARE(FieldText(w.form, "Text1"), expectedOriginal);
    QCOMPARE(FieldText(w.form, "Text2"), expectedSolution);
    QCOMPARE(w.ui.clipboard, expectedClipboard);
    // A replaced field gets its text back with one undo step.
    if (expectedOriginal != Text(U"Ober\r\nText")) Field(w.form, "Text1")->undo();
    if (expectedSolution != Text(U"Unten")) Field(w.form, "Text2")->undo();
    QCOMPARE(Field(w.form, "Text1")->toPlainText(), QStringLiteral("Ober\nText"));
    QCOMPARE(Field(w.form, "Text2")->toPlainText(), QStringLiteral("Unten"));
  }

  void droppingTheOriginalLabel_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("original");
    QTest::addColumn<int>("markTo");  // marked from position 4
    QTest::addColumn<Text>("expected");
    const QString label = QStringLiteral("O r i g i n a l t e x t");
    QTest::newRow("marked word") << label << QStringLiteral("Der Hund") << 8 << Text(U"ABCHund");
    QTest::newRow("nothing marked: the whole text") << label << QStringLiteral("Der\nHund\tx") << 4
                                                     << Text(U"ABCDer\r\nHund\tx");
    QTest::newRow("another control does nothing")
        << QStringLiteral("L ö s u n g s t e x t ") << QStringLiteral("Der Hund") << 8 << Text(U"ABC");
  }
  void droppingTheOriginalLabel() {
    QFETCH(QString, caption);
    QFETCH(QString, original);
    QFETCH(int, markTo);
    QFETCH(Text, expected);
    Form1 form;
    form.ChooseWorkingMode(kModeExtend);  // the drop appends whatever the mode
    PasteInto(form, "Text1", original);
    PasteInto(form, "Text2", QStringLiteral("ABC"));
    MarkFieldPositions(form, "Text1", 4, markTo);
    DropCaption(form, "Text2", caption);
    QCOMPARE(FieldText(form, "Text2"), expected);
    QVERIFY(qobject_cast<DragLabel*>(form.Control<QLabel>("Bezeichnung7")));
  }

  void choosingAWorkingMode_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::newRow("extend") << 1 << QStringLiteral("T E S M O R A N : Lösungstext erweitern");
    QTest::newRow("replace") << 0 << QStringLiteral("T E S M O R A N : Lösungstext ersetzen");
  }
  void choosingAWorkingMode() {
    QFETCH(int, row);
    QFETCH(QString, caption);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ChooseWorkingMode(1 - row);
    QListWidget* modes = List(form, "Liste3");
    QVERIFY(modes->isHidden());
    Click(form, "Bild7");
    QVERIFY(modes->isVisible());
    ClickRow(modes, modes->item(row));
    QVERIFY(modes->isHidden());
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.Sheet().Liste3, row);
  }

  void extendModeAppendsAfterALineBreak() {
    Form1 form;
    form.ChooseWorkingMode(kModeExtend);
    QTest::keyClicks(Field(form, "Text1"), "abc");
    Click(form, "Befehl1");
    Click(form, "Befehl2");
    QCOMPARE(FieldText(form, "Text2"), Text(U"\r\nABC\r\nabc"));
  }

  void exitQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("No goes on") << kAnswerNo << false;
    QTest::newRow("Yes ends") << kAnswerYes << true;
  }
  void exitQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, ends);
    Window w;
    w.form.show();
    PasteInto(w.form, "Text1", QStringLiteral("bleibt"));
    QSignalSpy ending(&w.form, &Form1::EndRequested);
    w.ui.AnswerMessage(answer);
    Click(w.form, "Bild2");
    QCOMPARE(w.ui.Shown().size(), std::size_t(1));
    QCOMPARE(w.ui.Shown()[0].prompt, Text(U"Das Programm jetzt beenden?\r"));
    QCOMPARE(w.ui.Shown()[0].style, 276);
    QVERIFY(w.ui.Shown()[0].title.starts_with(U"Tesmoran:  ") && w.ui.Shown()[0].title.size() > 11);
    QCOMPARE(ending.count(), ends ? 1 : 0);
    QCOMPARE(w.form.isVisible(), !ends);
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"bleibt"));
  }

  void closingTheWindowEndsWithoutAQuestion() {
    Window w;  // any box would fail the test
    w.form.show();
    QSignalSpy ending(&w.form, &Form1::EndRequested);
    QVERIFY(w.form.close());
    QCOMPARE(ending.count(), 1);
  }

  void buildingTheWordListShowsAndCountsTheNewWords() {
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund bellt. Der hund, der Hund!"));
    QCOMPARE(Entries(List(w.form, "Liste2")), QStringList({"Der", "Hund", "bellt", "hund", "der"}));
    QCOMPARE(w.ui.Shown().at(0).prompt, Text(U" 5 neue Wörter gefunden!"));
  }

  void anExerciseWithASelectedEntryRewritesEveryEntryNotTheText() {
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund bellt."));
    PasteInto(w.form, "Text2", QStringLiteral("Lösung"));
    QListWidget* words = List(w.form, "Liste2");
    ClickRow(words, words->item(1));
    Click(w.form, "Befehl1");  // "Großletter"
    QCOMPARE(Entries(words), QStringList({"DER", "HUND", "BELLT"}));
    QCOMPARE(SelectedRows(words), QList<int>({1}));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"Lösung"));
  }

  void afterKeinesTheNextPressWorksOnTheText() {
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund bellt."));
    QListWidget* words = List(w.form, "Liste2");
    Click(w.form, "Befehl21");  // "Alle"
    QCOMPARE(SelectedRows(words), QList<int>({0, 1, 2}));
    Click(w.form, "Befehl24");  // "Keines"
    QVERIFY(SelectedRows(words).isEmpty());
    Click(w.form, "Befehl1");
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"DER HUND BELLT."));
    QCOMPARE(Entries(words), QStringList({"Der", "Hund", "bellt"}));
  }

  void resetAfterSichernRestoresThatCopy() {
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund"));
    QListWidget* words = List(w.form, "Liste2");
    ClickRow(words, words->item(0));
    Click(w.form, "Befehl1");   // "Großletter"
    Click(w.form, "Befehl28");  // "Sichern"
    Click(w.form, "Befehl2");   // "Kleinletter"
    QCOMPARE(Entries(words), QStringList({"der", "hund"}));
    Click(w.form, "Befehl23");  // "Reset"
    QCOMPARE(Entries(words), QStringList({"DER", "HUND"}));
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

  void textOnlyExercisesOnTheListAnswerWithTheirMessage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Text>("message");
    QTest::newRow("Rückwärtstext") << "Befehl3" << Text(U"Wählen Sie dafür 'Umkehrwort'.");
    QTest::newRow("Lückentext") << "Befehl7" << Text(U"Wählen Sie dafür 'Lücken-Wörter'.");
  }
  void textOnlyExercisesOnTheListAnswerWithTheirMessage() {
    QFETCH(QString, button);
    QFETCH(Text, message);
    Window w;
    BuildWordList(w, QStringLiteral("Der Hund"));
    ClickRow(List(w.form, "Liste2"), List(w.form, "Liste2")->item(0));
    w.ui.AnswerMessage(kAnswerOk);
    Click(w.form, button.toLatin1().constData());
    QCOMPARE(w.ui.Shown().size(), std::size_t{2});
    QCOMPARE(w.ui.Shown()[1].prompt, message);
    QCOMPARE(Entries(List(w.form, "Liste2")), QStringList({"Der", "Hund"}));
    QVERIFY(FieldText(w.form, "Text2").empty());
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

  void taskIconTogglesTheListOverTheOriginalText() {
    Form1 form;
    form.show();
    QListWidget* list = List(form, "Liste1");
    QVERIFY(list->isHidden());
    QCOMPARE(list->count(), 48);
    for (bool shown : {true, false, true}) {
      Click(form, "Bild1");
      QCOMPARE(list->isVisible(), shown);
      QCOMPARE(list->height(), Px(2670));
    }
    QVERIFY(list->geometry().contains(Field(form, "Text1")->geometry()));
  }

  void doubleClickAppendsTheSentence_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("solutionBefore");
    QTest::addColumn<Text>("expected");
    const Text s21 = U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!";
    QTest::newRow("empty solution, replace mode") << 20 << int(kModeReplace) << QString() << U"\r\n" + s21;
    QTest::newRow("solution kept in replace mode") << 20 << int(kModeReplace) << "ABC" << U"ABC\r\n" + s21;
    QTest::newRow("extend mode, last entry") << 47 << int(kModeExtend) << "ABC"
                                             << Text(U"ABC\r\nSchreibe ___ Wörter aus der Wortfamilie dazu!");
  }
  void doubleClickAppendsTheSentence() {
    QFETCH(int, row);
    QFETCH(int, mode);
    QFETCH(QString, solutionBefore);
    QFETCH(Text, expected);
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.form.ChooseWorkingMode(mode);
    PasteInto(w.form, "Text2", solutionBefore);
    QListWidget* list = List(w.form, "Liste1");
    for (int times = 0; times < 2; ++times) {  // each double-click adds one more line
      Click(w.form, "Bild1");
      QCoreApplication::processEvents();  // the list lays out its entries once shown
      list->scrollToItem(list->item(row));
      ClickRow(list, list->item(row), true);
      QVERIFY(list->isHidden());
    }
    QCOMPARE(FieldText(w.form, "Text2"), expected + expected.substr(std::size_t(solutionBefore.size())));
  }

  void searchAndReplaceDeliversIntoTheSolutionText_data() {
    QTest::addColumn<QString>("original");
    QTest::addColumn<int>("markFrom");
    QTest::addColumn<int>("markTo");
    QTest::addColumn<int>("mode");
    QTest::addColumn<Text>("expected");  // the answer is "Kater"
    QTest::newRow("every occurrence") << "Der Hund und der Hund" << 4 << 8 << int(kModeReplace)
                                      << Text(U"Der Kater und der Kater");
    QTest::newRow("case-exact") << "Der hund und der Hund" << 17 << 21 << int(kModeReplace)
                                << Text(U"Der hund und der Kater");
    QTest::newRow("lines joined") << "Der Hund.\nDie Katze." << 4 << 8 << int(kModeReplace)
                                  << Text(U"Der Kater.Die Katze.");
    QTest::newRow("extend mode") << "ab" << 1 << 2 << int(kModeExtend) << Text(U"\r\naKater");
  }
  void searchAndReplaceDeliversIntoTheSolutionText() {
    QFETCH(QString, original);
    QFETCH(int, markFrom);
    QFETCH(int, markTo);
    QFETCH(int, mode);
    QFETCH(Text, expected);
    Window w;
    w.ui.AnswerInput(U"Kater");
    w.form.ChooseWorkingMode(mode);
    PasteInto(w.form, "Text1", original);
    MarkFieldPositions(w.form, "Text1", markFrom, markTo);
    Click(w.form, "Bild10");
    QCOMPARE(FieldText(w.form, "Text2"), expected);
    QCOMPARE(Field(w.form, "Text1")->toPlainText(), original);
    QCOMPARE(Field(w.form, "Text1")->textCursor().selectionStart(), markFrom);
  }

  void searchWithNothingMarkedShowsTheMessage() {
    Window w;
    w.ui.AnswerMessage(kAnswerOk);
    PasteInto(w.form, "Text1", QStringLiteral("Der Hund"));
    Click(w.form, "Bild10");
    QCOMPARE(w.ui.Shown().size(), std::size_t(1));
    QCOMPARE(w.ui.Shown()[0].prompt, Text(U"Den zu suchenden Text erst markieren!"));
    QCOMPARE(w.ui.Shown()[0].title, Text(U"Textaustausch"));
  }
};

QTEST_MAIN(Form1Test)
#include "test_form1.moc"
