// The main window's own commands: clipboard and copy commands, clearing,
// dropping the original text's label, the working modes and the exit question.
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>

#include "QtTestSupport.h"
#include "test_form1_support.h"
#include "ui/DragLabel.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

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

}  // namespace

class Form1CommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void startsInReplaceModeWithTheListsHidden() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("T E S M O R A N : Lösungstext ersetzen"));
    QVERIFY(List(form, "Liste3")->isHidden());
    QVERIFY(List(form, "Liste1")->isHidden());
    QCOMPARE(List(form, "Liste3")->count(), 2);
    QCOMPARE(List(form, "Liste3")->item(0)->text(), QStringLiteral("Lösungstext ersetzen"));
    QCOMPARE(List(form, "Liste3")->item(1)->text(), QStringLiteral("Lösungstext erweitern"));
    QCOMPARE(form.Sheet().Liste3, int(kModeReplace));
  }

  void clipboardAndCopyCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<Text>("clipboard");
    QTest::addColumn<Text>("expectedOriginal");
    QTest::addColumn<Text>("expectedSolution");
    QTest::addColumn<Text>("expectedClipboard");
    const QString o = QStringLiteral("Ober\nText");
    const QString s = QStringLiteral("Unten");
    const Text oText = U"Ober\r\nText";
    const Text sText = U"Unten";
    QTest::newRow("Bild12 pastes into the original text")
        << "Bild12" << o << s << Text(U"Ab\r\nlage") << Text(U"Ab\r\nlage") << sText << Text(U"Ab\r\nlage");
    QTest::newRow("Bild12 with LF breaks from the clipboard")
        << "Bild12" << o << s << Text(U"a\nb\rc") << Text(U"a\r\nb\r\nc") << sText << Text(U"a\nb\rc");
    QTest::newRow("Bild12 with an empty clipboard")
        << "Bild12" << o << s << Text() << Text() << sText << Text();
    QTest::newRow("Bild11 pastes into the solution text")
        << "Bild11" << o << s << Text(U"Ablage") << oText << Text(U"Ablage") << Text(U"Ablage");
    QTest::newRow("Bild11 with an empty clipboard")
        << "Bild11" << o << s << Text() << oText << Text() << Text();
    QTest::newRow("Befehl26 copies the original text")
        << "Befehl26" << o << s << Text(U"alt") << oText << sText << oText;
    QTest::newRow("Befehl17 copies the solution text")
        << "Befehl17" << o << s << Text(U"alt") << oText << sText << sText;
    QTest::newRow("Befehl22 original text := solution text")
        << "Befehl22" << o << s << Text() << sText << sText << Text();
    QTest::newRow("Befehl27 solution text := original text")
        << "Befehl27" << o << s << Text() << oText << oText << Text();
    QTest::newRow("Bild13 clears the solution text") << "Bild13" << o << s << Text() << oText << Text() << Text();
  }
  void clipboardAndCopyCommands() {
    QFETCH(QString, control);
    QFETCH(QString, original);
    QFETCH(QString, solution);
    QFETCH(Text, clipboard);
    QFETCH(Text, expectedOriginal);
    QFETCH(Text, expectedSolution);
    QFETCH(Text, expectedClipboard);
    Form1 form;
    ScriptedUi ui;
    ui.clipboard = clipboard;
    form.SetUiServices(&ui);
    PasteInto(form, "Text1", original);
    PasteInto(form, "Text2", solution);
    MarkFieldPositions(form, "Text1", 1, 3);  // the commands work on whole texts
    Click(form, control.toLatin1().constData());
    QCOMPARE(FieldText(form, "Text1"), expectedOriginal);
    QCOMPARE(FieldText(form, "Text2"), expectedSolution);
    QCOMPARE(ui.clipboard, expectedClipboard);
    // A replaced field gets its text back with one undo step.
    if (expectedOriginal != FromField(original)) Field(form, "Text1")->undo();
    if (expectedSolution != FromField(solution)) Field(form, "Text2")->undo();
    QCOMPARE(Field(form, "Text1")->toPlainText(), original);
    QCOMPARE(Field(form, "Text2")->toPlainText(), solution);
  }

  void originalFromSolutionLetsTheNextExerciseGoOn() {
    Form1 form;
    PasteInto(form, "Text1", QStringLiteral("Hund"));
    Click(form, "Befehl5");  // Umkehrwort
    QCOMPARE(FieldText(form, "Text2"), Text(U"dnuH"));
    Click(form, "Befehl22");
    Click(form, "Befehl1");
    QCOMPARE(FieldText(form, "Text1"), Text(U"dnuH"));
    QCOMPARE(FieldText(form, "Text2"), Text(U"DNUH"));
  }

  void droppingTheOriginalLabel_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("original");
    QTest::addColumn<int>("markFrom");
    QTest::addColumn<int>("markTo");
    QTest::addColumn<Text>("expected");
    const QString label = QStringLiteral("O r i g i n a l t e x t");
    QTest::newRow("marked word") << label << QStringLiteral("Der Hund") << 4 << 8 << Text(U"ABCHund");
    QTest::newRow("nothing marked, line breaks kept")
        << label << QStringLiteral("Der\nHund") << 0 << 0 << Text(U"ABCDer\r\nHund");
    QTest::newRow("tab kept") << label << QStringLiteral("a\tb") << 0 << 0 << Text(U"ABCa\tb");
    QTest::newRow("another control does nothing")
        << QStringLiteral("L ö s u n g s t e x t ") << QStringLiteral("Der Hund") << 0 << 0 << Text(U"ABC");
  }
  void droppingTheOriginalLabel() {
    QFETCH(QString, caption);
    QFETCH(QString, original);
    QFETCH(int, markFrom);
    QFETCH(int, markTo);
    QFETCH(Text, expected);
    Form1 form;
    form.ChooseWorkingMode(kModeExtend);  // the drop appends whatever the mode
    PasteInto(form, "Text1", original);
    PasteInto(form, "Text2", QStringLiteral("ABC"));
    MarkFieldPositions(form, "Text1", markFrom, markTo);
    DropCaption(form, "Text2", caption);
    QCOMPARE(FieldText(form, "Text2"), expected);
  }

  void theDraggedLabelCarriesItsCaption() {
    Form1 form;
    auto* label = form.Control<QLabel>("Bezeichnung7");
    QVERIFY(qobject_cast<DragLabel*>(label) != nullptr);
    // Drops are delivered to the field's viewport, which must take them.
    QVERIFY(Field(form, "Text2")->viewport()->acceptDrops());
    std::unique_ptr<QMimeData> data(ControlDragData(label->text()));
    QVERIFY(!data->hasText());  // no field takes it for text to insert
    QCOMPARE(QString::fromUtf8(data->data(ControlDragType())), QStringLiteral("O r i g i n a l t e x t"));
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
    Click(form, "Bild7");
    QListWidget* modes = List(form, "Liste3");
    QVERIFY(modes->isVisible());
    QCOMPARE(modes->height(), 34);  // 510 units
    QTest::mouseClick(modes->viewport(), Qt::LeftButton, {}, modes->visualItemRect(modes->item(row)).center());
    QVERIFY(modes->isHidden());
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.Sheet().Liste3, row);
  }

  void theWorkingModeIsReachableByKeyboard() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* icon = form.Control<QAbstractButton>("Bild7");
    icon->setFocus();
    QTest::keyClick(icon, Qt::Key_Space);
    QListWidget* modes = List(form, "Liste3");
    QVERIFY(modes->isVisible());
    QTest::keyClick(modes, Qt::Key_Down);
    QTest::keyClick(modes, Qt::Key_Return);
    QVERIFY(modes->isHidden());
    QCOMPARE(form.Sheet().Liste3, int(kModeExtend));
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
    Form1 form;
    ScriptedUi ui;
    form.SetUiServices(&ui);
    form.show();
    PasteInto(form, "Text1", QStringLiteral("bleibt"));
    QSignalSpy ending(&form, &Form1::EndRequested);
    ui.AnswerMessage(answer);
    Click(form, "Bild2");
    QCOMPARE(ui.Shown().size(), std::size_t(1));
    QCOMPARE(ui.Shown()[0].prompt, Text(U"Das Programm jetzt beenden?\r"));
    QCOMPARE(ui.Shown()[0].style, 276);
    const Text title = ui.Shown()[0].title;
    QVERIFY(title.starts_with(U"Tesmoran:  ") && title.size() > 11);
    QCOMPARE(ending.count(), ends ? 1 : 0);
    QCOMPARE(form.isVisible(), !ends);
    QCOMPARE(FieldText(form, "Text1"), Text(U"bleibt"));
  }

  void closingTheWindowEndsWithoutAQuestion() {
    Form1 form;
    ScriptedUi ui;  // any box would fail the test
    form.SetUiServices(&ui);
    form.show();
    QSignalSpy ending(&form, &Form1::EndRequested);
    QVERIFY(form.close());
    QCOMPARE(ending.count(), 1);
    QVERIFY(ui.Shown().empty());
  }
};

QTEST_MAIN(Form1CommandsTest)
#include "test_form1_commands.moc"
