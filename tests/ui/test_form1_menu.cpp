// The main window's menu bar: its entries, and that each entry runs exactly
// the command of its icon or button.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include "test_form1_support.h"
#include "ui/Form2.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// Answers every box: No to a question, OK to a message, "2" to an input box.
class AnsweringUi : public UiServices {
 public:
  int MessageBox(const Text& prompt, int styleValue, const Text& title) override {
    shown.push_back({ShownBox::Kind::kMessage, prompt, styleValue, title, Text()});
    return IsYesNoStyle(styleValue) ? kAnswerNo : kAnswerOk;
  }
  Text InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) override {
    shown.push_back({ShownBox::Kind::kInput, prompt, 0, title, defaultAnswer});
    return U"2";
  }
  Text ClipboardText() override { return {}; }
  void SetClipboardText(const Text&) override {}
  std::vector<ShownBox> shown;
};

QMenu* Menu(const Form1& form, const QString& title) {
  for (QAction* action : form.findChild<QMenuBar*>()->actions()) {
    if (action->menu() && action->text() == title) return action->menu();
  }
  qFatal("no menu %s", qPrintable(title));
}

QAction* Entry(const Form1& form, const QString& menu, const QString& text) {
  for (QAction* action : Menu(form, menu)->actions()) {
    if (action->text() == text) return action;
  }
  qFatal("no entry %s", qPrintable(text));
}

QStringList EntryTexts(const Form1& form, const QString& menu) {
  QStringList texts;
  for (const QAction* action : Menu(form, menu)->actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  return texts;
}

void ShowActive(Form1& form) {
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

}  // namespace

class Form1MenuTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void menusHoldTheirEntries() {
    Form1 form;
    QStringList titles;
    for (const QAction* action : form.findChild<QMenuBar*>()->actions()) titles << action->text();
    QCOMPARE(titles, QStringList({"&Datei", "&Übungen", "&Hilfe"}));
    QCOMPARE(EntryTexts(form, "&Datei"), QStringList({"Text laden…", "Lösungstext speichern…", "Lösungstext drucken",
                                                      "Arbeitsblatt gestalten…", "Beenden"}));
    // Column by column, as the exercise grid shows them.
    QCOMPARE(EntryTexts(form, "&Übungen"),
             QStringList({"Großletter", "Kleinletter", "Bandwurmtext", "Lückentext", "Rückwärtstext", "Rückwärtssatz",
                          "Umkehrtext", "Umkehrsatz", "Mitlaute", "Selbstlaute", "Nur Erstletter", "Ohne Erstletter",
                          "ABC-Wörter", "ABC-Nr-Wörter", "Wortrahmen", "Umkehrwort", "Lücken-Wörter",
                          "MitSel-Wörter", "Purzel-Wörter", "Buchstaben"}));
    QCOMPARE(EntryTexts(form, "&Hilfe"), QStringList({"Hilfe", "Info"}));
  }

  void entriesCarryTheirKeys_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Arbeitsblatt gestalten") << "&Datei" << "Arbeitsblatt gestalten…" << QKeySequence("Ctrl+P");
    QTest::newRow("Beenden") << "&Datei" << "Beenden" << QKeySequence("Ctrl+Q");
    QTest::newRow("Hilfe") << "&Hilfe" << "Hilfe" << QKeySequence("F1");
  }
  void entriesCarryTheirKeys() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QKeySequence, keys);
    Form1 form;
    QCOMPARE(Entry(form, menu, entry)->shortcut(), keys);
  }

  // The entry clicks its control and no other.
  void entryClicksItsControl_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("control");
    const struct { const char *menu, *entry, *control; } rows[] = {
        {"&Datei", "Text laden…", "Bild5"},     {"&Datei", "Lösungstext speichern…", "Bild6"},
        {"&Datei", "Lösungstext drucken", "Bild9"}, {"&Datei", "Beenden", "Bild2"},
        {"&Hilfe", "Hilfe", "Bild4"},            {"&Hilfe", "Info", "Bild3"},
        {"&Übungen", "Großletter", "Befehl1"},   {"&Übungen", "Rückwärtssatz", "Befehl29"},
        {"&Übungen", "Nur Erstletter", "Befehl8"}, {"&Übungen", "Umkehrwort", "Befehl5"},
        {"&Übungen", "Lücken-Wörter", "Befehl14"}, {"&Übungen", "Buchstaben", "Befehl31"},
    };
    for (const auto& r : rows) QTest::newRow(r.entry) << r.menu << r.entry << r.control;
  }
  void entryClicksItsControl() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QString, control);
    Form1 form;
    AnsweringUi ui;
    form.SetUiServices(&ui);
    PasteInto(form, "Text1", "Der Hund bellt.");
    std::vector<std::pair<QAbstractButton*, std::unique_ptr<QSignalSpy>>> spies;
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
      if (button->window() == &form) {
        spies.emplace_back(button, std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
      }
    }
    Entry(form, menu, entry)->trigger();
    QStringList clicked;
    for (const auto& [button, spy] : spies) {
      if (spy->count() > 0) clicked << button->objectName();
    }
    QCOMPARE(clicked, QStringList{control});
  }

  void exerciseEntryDeliversLikeItsButton_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Text>("solution");
    QTest::newRow("Großletter") << "Großletter" << Text(U"DER HUND BELLT.");
    QTest::newRow("Kleinletter") << "Kleinletter" << Text(U"der hund bellt.");
    QTest::newRow("Rückwärtstext") << "Rückwärtstext" << Text(U".tlleb dnuH reD");
    QTest::newRow("Bandwurmtext") << "Bandwurmtext" << Text(U"DerHundbellt.");
  }
  // The result replaces the solution text as one undo step.
  void exerciseEntryDeliversLikeItsButton() {
    QFETCH(QString, entry);
    QFETCH(Text, solution);
    Window w;
    PasteInto(w.form, "Text1", "Der Hund bellt.");
    PasteInto(w.form, "Text2", "alt");
    Entry(w.form, "&Übungen", entry)->trigger();
    QCOMPARE(FieldText(w.form, "Text2"), solution);
    Field(w.form, "Text2")->undo();
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"alt"));
  }

  void ctrlQAsksTheExitQuestion() {
    Window w;
    ShowActive(w.form);
    QSignalSpy ends(&w.form, &Form1::EndRequested);
    w.ui.AnswerMessage(kAnswerNo);
    QTest::keyClick(Field(w.form, "Text1"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(w.ui.Shown().size(), std::size_t{1});
    QCOMPARE(w.ui.Shown().front().prompt, Text(U"Das Programm jetzt beenden?\r"));
    QCOMPARE(w.ui.Shown().front().style, 276);
    QCOMPARE(ends.count(), 0);
    QVERIFY(w.form.isVisible());
  }

  void f1OpensTheHelpWindow() {
    Form1 form;
    ShowActive(form);
    QTest::keyClick(Field(form, "Text1"), Qt::Key_F1);
    auto* help = form.findChild<Form2*>();
    QVERIFY(help && help->isVisible());
  }

  void designEntryWaitsForItsWindow() {
    Form1 form;
    ShowActive(form);
    QAction* design = Entry(form, "&Datei", "Arbeitsblatt gestalten…");
    QVERIFY(!design->isEnabled());
    int opened = 0;
    form.SetWorksheetDesigner([&opened] { ++opened; });
    QVERIFY(design->isEnabled());
    QTest::keyClick(Field(form, "Text1"), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(opened, 1);
  }
};

QTEST_MAIN(Form1MenuTest)
#include "test_form1_menu.moc"
