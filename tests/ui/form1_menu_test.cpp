// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: each entry clicks its own icon or button, so
// that it runs exactly that command, and the menu keys.
#include <QSignalSpy>
#include <memory>

#include "form1_test_support.h"
#include "platform/FixedAnswerUi.h"
#include "ui/help/Form2.h"

using namespace tesmoran;
using namespace tesmoran::testing;

class Form1MenuTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void entryClicksItsControlAndNoOther_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("control");
    const char* rows[][3] = {{"&Datei", "Text laden…", "Bild5"},
                             {"&Datei", "Lösungstext speichern…", "Bild6"},
                             {"&Datei", "Lösungstext drucken", "Bild9"},
                             {"&Datei", "Beenden", "Bild2"},
                             {"&Hilfe", "Hilfe", "Bild4"},
                             {"&Hilfe", "Info", "Bild3"},
                             {"&Übungen", "Großletter", "Befehl1"},
                             {"&Übungen", "Rückwärtssatz", "Befehl29"},
                             {"&Übungen", "Umkehrwort", "Befehl5"},
                             {"&Übungen", "Buchstaben", "Befehl31"}};
    for (const auto& r : rows) QTest::newRow(r[1]) << r[0] << r[1] << r[2];
  }
  void entryClicksItsControlAndNoOther() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QString, control);
    Form1 form;
    FixedAnswerUi ui(false, U"2");  // No to a question, OK to a message, "2" to an input box
    form.SetUiServices(&ui);
    PasteInto(form, "Text1", "Der Hund bellt.");
    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (QAbstractButton* button : Child<QWidget>(form, "Arbeitsflaeche")->findChildren<QAbstractButton*>()) {
      spies.emplace_back(button->objectName(), std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    }
    QAction* action = MenuEntry(form, entry);
    QCOMPARE(qobject_cast<QMenu*>(action->associatedObjects().value(0))->title(), menu);
    action->trigger();
    QStringList clicked;
    for (const auto& [name, spy] : spies) {
      if (spy->count() > 0) clicked << name;
    }
    QCOMPARE(clicked, QStringList{control});
  }

  void ctrlQAsksTheExitQuestion() {
    Window w;
    QVERIFY(ShowActive(w.form));
    QSignalSpy ends(&w.form, &Form1::EndRequested);
    w.ui.AnswerMessage(kAnswerNo);
    QTest::keyClick(Field(w.form, "Text1"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(w.ui.Shown().size(), std::size_t{1});
    QCOMPARE(w.ui.Shown().front().prompt, Text(U"Das Programm jetzt beenden?\r"));
    QCOMPARE(ends.count(), 0);
  }

  void f1OpensTheHelpWindow() {
    Form1 form;
    QVERIFY(ShowActive(form));
    QTest::keyClick(Field(form, "Text1"), Qt::Key_F1);
    QVERIFY(form.findChild<Form2*>() && form.findChild<Form2*>()->isVisible());
  }
};

QTEST_MAIN(Form1MenuTest)
#include "form1_menu_test.moc"
