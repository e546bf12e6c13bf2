// The word list in the real main window: building it, its seven buttons and
// the exercise buttons working on the list while an entry is selected.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "QtTestSupport.h"
#include "platform/qt/QtText.h"
#include "ui/Form1.h"
#include "ui/TextFieldBinding.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

void Press(const Form1& form, const char* name) {
  auto* button = form.Control<QAbstractButton>(name);
  if (!button) qFatal("no button %s", name);
  button->click();
}

QListWidget* WordView(const Form1& form) { return form.Control<QListWidget>("Liste2"); }

QStringList ShownWords(const Form1& form) {
  QStringList words;
  const QListWidget* view = WordView(form);
  for (int i = 0; i < view->count(); ++i) words << view->item(i)->text();
  return words;
}

QList<int> ShownSelection(const Form1& form) {
  QList<int> rows;
  const QListWidget* view = WordView(form);
  for (int i = 0; i < view->count(); ++i) {
    if (view->item(i)->isSelected()) rows << i;
  }
  return rows;
}

// A click of the user on an entry: toggles its selection.
void ClickEntry(const Form1& form, int row) {
  QListWidget* view = WordView(form);
  const QRect place = view->visualItemRect(view->item(row));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
}

void PasteInto(const Form1& form, const char* name, const QString& text) {
  auto* field = form.Control<QPlainTextEdit>(name);
  field->selectAll();
  field->insertPlainText(text);
}

QString FieldText(const Form1& form, const char* name) {
  return ToQString(ReadFieldText(*form.Control<QPlainTextEdit>(name)));
}

// The main window with scripted boxes.
struct Window {
  Window() { form.SetUiServices(&ui); }
  Form1 form;
  ScriptedUi ui;
};

// Builds the list from `text` with the count message answered.
void BuildFrom(Window& w, const QString& text) {
  PasteInto(w.form, "Text1", text);
  w.ui.AnswerMessage(kAnswerOk);
  Press(w.form, "Bild8");
}

}  // namespace

class WordListWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }
  void init() { w_ = std::make_unique<Window>(); }
  void cleanup() { w_.reset(); }

  void buildShowsTheNewWordsAndReportsThem() {
    BuildFrom(*w_, QStringLiteral("Der Hund bellt. Der hund, der Hund!"));
    const QStringList expected = {"Der", "Hund", "bellt", "hund", "der"};
    QCOMPARE(ShownWords(form()), expected);
    QCOMPARE(ui().Shown().size(), std::size_t{1});
    QCOMPARE(ToQString(ui().Shown()[0].prompt), QStringLiteral(" 5 neue Wörter gefunden!"));
    QCOMPARE(form().Sheet().Liste4.size(), std::size_t{5});
  }

  void buildOverAMarkedPartKeepsTheOriginalText() {
    PasteInto(form(), "Text1", QStringLiteral("Der Hund bellt laut."));
    auto* original = form().Control<QPlainTextEdit>("Text1");
    QTextCursor cursor(original->document());
    cursor.setPosition(4);
    cursor.setPosition(14, QTextCursor::KeepAnchor);
    original->setTextCursor(cursor);
    ui().AnswerMessage(kAnswerOk);
    Press(form(), "Bild8");
    QCOMPARE(ShownWords(form()), QStringList({"Hund", "bellt"}));
    QCOMPARE(original->toPlainText(), QStringLiteral("Der Hund bellt laut."));
    QVERIFY(!original->textCursor().hasSelection());
  }

  void exerciseWithOneSelectedEntryRewritesEveryEntry() {
    BuildFrom(*w_, QStringLiteral("Der Hund bellt."));
    PasteInto(form(), "Text2", QStringLiteral("Lösung"));
    ClickEntry(form(), 1);
    Press(form(), "Befehl1");  // "Großletter"
    QCOMPARE(ShownWords(form()), QStringList({"DER", "HUND", "BELLT"}));
    QCOMPARE(ShownSelection(form()), QList<int>({1}));
    QCOMPARE(FieldText(form(), "Text2"), QStringLiteral("Lösung"));
    QCOMPARE(FieldText(form(), "Text1"), QStringLiteral("Der Hund bellt."));
  }

  void noEntrySelectedAfterKeinesSoTheNextPressWorksOnTheText() {
    BuildFrom(*w_, QStringLiteral("Der Hund bellt."));
    Press(form(), "Befehl21");  // "Alle"
    QCOMPARE(ShownSelection(form()), QList<int>({0, 1, 2}));
    Press(form(), "Befehl24");  // "Keines"
    QVERIFY(ShownSelection(form()).isEmpty());
    Press(form(), "Befehl1");
    QCOMPARE(FieldText(form(), "Text2"), QStringLiteral("DER HUND BELLT."));
    QCOMPARE(ShownWords(form()), QStringList({"Der", "Hund", "bellt"}));
  }

  void resetAfterSichernRestoresThatCopy() {
    BuildFrom(*w_, QStringLiteral("Der Hund"));
    ClickEntry(form(), 0);
    Press(form(), "Befehl1");   // "Großletter"
    Press(form(), "Befehl28");  // "Sichern"
    Press(form(), "Befehl2");   // "Kleinletter"
    QCOMPARE(ShownWords(form()), QStringList({"der", "hund"}));
    Press(form(), "Befehl23");  // "Reset"
    QCOMPARE(ShownWords(form()), QStringList({"DER", "HUND"}));
    QVERIFY(ShownSelection(form()).isEmpty());
  }

  void buttonsWithoutAListPathAnswerWithTheirMessage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    const QString reverse = QStringLiteral("Wählen Sie dafür 'Umkehrwort'.");
    QTest::newRow("Rückwärtstext") << "Befehl3" << "Rückwärtstext" << reverse;
    QTest::newRow("Umkehrtext") << "Befehl4" << "Umkehrtext" << reverse;
    QTest::newRow("Umkehrsatz") << "Befehl10" << "Umkehrsatz" << reverse;
    QTest::newRow("Rückwärtssatz") << "Befehl29" << "Rückwärtssatz" << reverse;
    QTest::newRow("Bandwurmtext") << "Befehl6" << "Bandwurmtext" << "Für Einzelwörter unsinnig.";
    QTest::newRow("Lückentext") << "Befehl7" << "Lückentext" << "Wählen Sie dafür 'Lücken-Wörter'.";
  }
  void buttonsWithoutAListPathAnswerWithTheirMessage() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    BuildFrom(*w_, QStringLiteral("Der Hund"));
    ClickEntry(form(), 0);
    ui().AnswerMessage(kAnswerOk);
    Press(form(), button.toLatin1().constData());
    QCOMPARE(ui().Shown().size(), std::size_t{2});
    QCOMPARE(ToQString(ui().Shown()[1].prompt), message);
    QCOMPARE(ToQString(ui().Shown()[1].title), caption);
    QCOMPARE(ShownWords(form()), QStringList({"Der", "Hund"}));
    QVERIFY(FieldText(form(), "Text2").isEmpty());
  }

  void loeschenWithYesRemovesTheSelectedEntries() {
    BuildFrom(*w_, QStringLiteral("a b c d"));
    ClickEntry(form(), 1);
    ClickEntry(form(), 3);
    ui().AnswerMessage(kAnswerYes);
    Press(form(), "Befehl25");
    QCOMPARE(ShownWords(form()), QStringList({"a", "c"}));
    QVERIFY(ShownSelection(form()).isEmpty());
  }

  void selectedWordsGoToTheSolutionTextAndTheClipboard() {
    BuildFrom(*w_, QStringLiteral("Hund Maus Katze"));
    PasteInto(form(), "Text2", QStringLiteral("Aufgabe"));
    ClickEntry(form(), 0);
    ClickEntry(form(), 2);
    Press(form(), "Befehl20");  // "<=="
    QCOMPARE(form().Sheet().Text2, Text(U"Aufgabe\r\nHund Katze \r\n"));
    ui().AnswerMessage(kAnswerYes);
    Press(form(), "Befehl30");  // "Ersetze Zwischenablage"
    QCOMPARE(ToQString(ui().clipboard), QStringLiteral("Hund\r\nKatze\r\n"));
    QVERIFY(ShownSelection(form()).isEmpty());
  }

 private:
  Form1& form() { return w_->form; }
  ScriptedUi& ui() { return w_->ui; }

  std::unique_ptr<Window> w_;
};

QTEST_MAIN(WordListWindowTest)
#include "test_wordlist.moc"
