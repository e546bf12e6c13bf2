// The task list (Bild1, Liste1) and search and replace (Bild10) through the
// real main window.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QTimer>

#include "QtTestSupport.h"
#include "tasks/TaskCatalogue.h"
#include "test_form1_support.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

int Px(int units) { return qRound(units / 15.0); }

// Double-clicks an entry of a shown list with the mouse.
void DoubleClickRow(QListWidget* list, int row) {
  QCoreApplication::processEvents();  // the list lays out its entries once shown
  list->scrollToItem(list->item(row));
  const QPoint centre = list->visualItemRect(list->item(row)).center();
  QVERIFY(list->viewport()->rect().contains(centre));
  // A double-click is a click followed at once by a second press.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

}  // namespace

class TestTasks : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void taskListIsFilledHiddenWithFirstEntrySelected() {
    Form1 form;
    QListWidget* list = List(form, "Liste1");
    QCOMPARE(list->count(), 48);
    for (int i = 0; i < list->count(); ++i) {
      QCOMPARE(list->item(i)->text(), ToQString(TaskSentences()[static_cast<std::size_t>(i)]));
    }
    QVERIFY(list->isHidden());
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Schreibe den Text richtig in dein Heft!"));
    QCOMPARE(list->height(), Px(2565));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
  }

  void iconShowsAndHidesTheTaskList() {
    Form1 form;
    form.show();
    QListWidget* list = List(form, "Liste1");
    const QRect original = Field(form, "Text1")->geometry();

    Click(form, "Bild1");
    QVERIFY(list->isVisible());
    QCOMPARE(list->height(), Px(2670));
    QVERIFY(list->geometry().contains(original));
    Click(form, "Bild1");
    QVERIFY(list->isHidden());
    QCOMPARE(list->currentRow(), 0);
    Click(form, "Bild1");
    QVERIFY(list->isVisible());
    QCOMPARE(list->height(), Px(2670));
  }

  void doubleClickAppendsTheSentence_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("solutionBefore");
    QTest::addColumn<Text>("expected");
    const Text s21 = U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!";
    QTest::newRow("empty solution, replace mode") << 20 << int(kModeReplace) << QString() << U"\r\n" + s21;
    QTest::newRow("solution kept in replace mode")
        << 20 << int(kModeReplace) << QStringLiteral("ABC") << U"ABC\r\n" + s21;
    QTest::newRow("extend mode") << 0 << int(kModeExtend) << QStringLiteral("ABC")
                                 << Text(U"ABC\r\nSchreibe den Text richtig in dein Heft!");
    QTest::newRow("last entry") << 47 << int(kModeReplace) << QString()
                                << Text(U"\r\nSchreibe ___ Wörter aus der Wortfamilie dazu!");
  }

  void doubleClickAppendsTheSentence() {
    QFETCH(int, row);
    QFETCH(int, mode);
    QFETCH(QString, solutionBefore);
    QFETCH(Text, expected);
    Form1 form;
    ScriptedUi ui;
    form.SetUiServices(&ui);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ChooseWorkingMode(mode);
    PasteInto(form, "Text1", QStringLiteral("Der Hund"));
    if (!solutionBefore.isEmpty()) PasteInto(form, "Text2", solutionBefore);
    QListWidget* list = List(form, "Liste1");

    Click(form, "Bild1");
    DoubleClickRow(list, row);

    QCOMPARE(FieldText(form, "Text2"), expected);
    QCOMPARE(form.Sheet().Text2, expected);
    QVERIFY(list->isHidden());
    QCOMPARE(list->currentRow(), row);
    QCOMPARE(FieldText(form, "Text1"), Text(U"Der Hund"));
    QVERIFY(ui.Shown().empty());
  }

  void eachDoubleClickAddsOneMoreLine() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QListWidget* list = List(form, "Liste1");
    for (int i = 0; i < 2; ++i) {
      Click(form, "Bild1");
      DoubleClickRow(list, 23);
    }
    const Text line = U"\r\nOrdne die Wörter nach dem ABC!";
    QCOMPARE(FieldText(form, "Text2"), line + line);
  }

  void searchAndReplaceDeliversIntoTheSolutionText_data() {
    QTest::addColumn<QString>("original");
    QTest::addColumn<int>("markFrom");
    QTest::addColumn<int>("markTo");
    QTest::addColumn<int>("mode");
    QTest::addColumn<Text>("answer");
    QTest::addColumn<Text>("expected");
    QTest::newRow("every occurrence") << QStringLiteral("Der Hund und der Hund") << 4 << 8
                                      << int(kModeReplace) << Text(U"Kater")
                                      << Text(U"Der Kater und der Kater");
    QTest::newRow("second, case-exact") << QStringLiteral("Der hund und der Hund") << 17 << 21
                                        << int(kModeReplace) << Text(U"Kater")
                                        << Text(U"Der hund und der Kater");
    QTest::newRow("two lines joined") << QStringLiteral("Der Hund.\nDie Katze.") << 4 << 8
                                      << int(kModeReplace) << Text(U"Kater")
                                      << Text(U"Der Kater.Die Katze.");
    QTest::newRow("extend mode") << QStringLiteral("aab") << 1 << 3 << int(kModeExtend) << Text(U"b")
                                 << Text(U"\r\nb");
  }

  void searchAndReplaceDeliversIntoTheSolutionText() {
    QFETCH(QString, original);
    QFETCH(int, markFrom);
    QFETCH(int, markTo);
    QFETCH(int, mode);
    QFETCH(Text, answer);
    QFETCH(Text, expected);
    Form1 form;
    ScriptedUi ui;
    ui.AnswerInput(answer);
    form.SetUiServices(&ui);
    form.ChooseWorkingMode(mode);
    PasteInto(form, "Text1", original);
    const Text originalBefore = FieldText(form, "Text1");
    MarkFieldPositions(form, "Text1", markFrom, markTo);

    Click(form, "Bild10");

    QCOMPARE(FieldText(form, "Text2"), expected);
    QCOMPARE(FieldText(form, "Text1"), originalBefore);
    QCOMPARE(Field(form, "Text1")->textCursor().selectionStart(), markFrom);
    QCOMPARE(Field(form, "Text1")->textCursor().selectionEnd(), markTo);
    QCOMPARE(ui.Pending(), std::size_t(0));
  }

  void searchWithNothingMarkedShowsTheMessage() {
    Form1 form;
    ScriptedUi ui;
    ui.AnswerMessage(kAnswerOk);
    form.SetUiServices(&ui);
    PasteInto(form, "Text1", QStringLiteral("Der Hund"));
    PasteInto(form, "Text2", QStringLiteral("ABC"));

    Click(form, "Bild10");

    QCOMPARE(ui.Shown().size(), std::size_t(1));
    QCOMPARE(ui.Shown()[0].prompt, Text(U"Den zu suchenden Text erst markieren!"));
    QCOMPARE(ui.Shown()[0].title, Text(U"Textaustausch"));
    QCOMPARE(ui.Shown()[0].style, 0);
    QCOMPARE(FieldText(form, "Text2"), Text(U"ABC"));
  }

  // The real input box: its caption shows the ampersand as a character.
  void inputBoxShowsPromptAndCaptionAsWritten() {
    Form1 form;
    form.show();
    PasteInto(form, "Text1", QStringLiteral("Der Hund"));
    MarkFieldPositions(form, "Text1", 4, 8);
    QString title;
    QString prompt;
    QTimer::singleShot(0, &form, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      prompt = box->findChild<QLabel*>()->text();
      box->reject();
    });

    Click(form, "Bild10");

    QCOMPARE(title, QStringLiteral("Suchen&Ersetzen:Hund"));
    QCOMPARE(prompt, QStringLiteral("[Hund] wird ersetzt durch:"));
    QCOMPARE(FieldText(form, "Text2"), Text());
  }
};

QTEST_MAIN(TestTasks)
#include "test_tasks.moc"
