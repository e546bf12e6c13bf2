// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box, input box and clipboard, in German.
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "platform/qt/QtText.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtUiServices.h"

using namespace tesmoran;

Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

using Buttons = QList<QMessageBox::StandardButton>;

Buttons StandardButtonsOf(QMessageBox& box) {
  Buttons buttons;
  for (QAbstractButton* b : box.buttons()) buttons << box.standardButton(b);
  std::sort(buttons.begin(), buttons.end());
  return buttons;
}

QString Caption(QAbstractButton* button) { return button->text().remove(QLatin1Char('&')); }

// Runs action on the next modal box once it is open.
void WhenBoxOpens(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* box = QApplication::activeModalWidget();
    QVERIFY(box != nullptr);
    action(box);
  });
}

}  // namespace

class QtUiServicesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(InstallGermanTranslations(*QCoreApplication::instance())); }

  void messageBoxPerStyle_data() {
    QTest::addColumn<int>("styleValue");
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    const Buttons ok{QMessageBox::Ok};
    const Buttons yesNo{QMessageBox::Yes, QMessageBox::No};
    QTest::newRow("0") << 0 << ok << QMessageBox::NoIcon << QMessageBox::Ok;
    QTest::newRow("4") << 4 << yesNo << QMessageBox::NoIcon << QMessageBox::Yes;
    QTest::newRow("16") << 16 << ok << QMessageBox::Critical << QMessageBox::Ok;
    QTest::newRow("36") << 36 << yesNo << QMessageBox::Question << QMessageBox::Yes;
    QTest::newRow("48") << 48 << ok << QMessageBox::Warning << QMessageBox::Ok;
    QTest::newRow("276") << 276 << yesNo << QMessageBox::Critical << QMessageBox::No;
    QTest::newRow("292") << 292 << yesNo << QMessageBox::Question << QMessageBox::No;
  }
  void messageBoxPerStyle() {
    QFETCH(int, styleValue);
    QFETCH(Buttons, buttons);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    std::unique_ptr<QMessageBox> box(
        QtUiServices::BuildMessageBox(U"Frage?\r", styleValue, U"Tesmoran:  Titel", nullptr));
    QCOMPARE(StandardButtonsOf(*box), buttons);
    QCOMPARE(box->icon(), icon);
    QCOMPARE(box->standardButton(box->defaultButton()), defaultButton);
    QCOMPARE(box->windowTitle(), QStringLiteral("Tesmoran:  Titel"));
    QCOMPARE(box->textFormat(), Qt::PlainText);
  }

  void buttonsAndTextFieldMenusSpeakGerman() {
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {{QMessageBox::Yes, "Ja"},
                                                                            {QMessageBox::No, "Nein"},
                                                                            {QMessageBox::Ok, "OK"},
                                                                            {QMessageBox::Cancel, "Abbrechen"}};
    QMessageBox box;
    for (const auto& [button, caption] : captions) QCOMPARE(Caption(box.addButton(button)), QLatin1String(caption));
    QPlainTextEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QString entries;
    for (QAction* action : menu->actions()) entries += action->text().remove(QLatin1Char('&')) + '|';
    QVERIFY2(entries.contains(QStringLiteral("Rückgängig")) && entries.contains(QStringLiteral("Einfügen")),
             qPrintable(entries));
  }

  void promptLineBreaksAreShownAsLineBreaks() {
    const std::pair<Text, QString> rows[] = {
        {U"a\rb", "a\nb"}, {U"a\nb", "a\nb"}, {U"a\r\nb", "a\nb"}, {U"a\n\rb", "a\nb"}, {U"a\r\n\r\nb", "a\n\nb"}};
    for (const auto& [prompt, shown] : rows) {
      std::unique_ptr<QMessageBox> box(QtUiServices::BuildMessageBox(prompt, 0, U"T", nullptr));
      QCOMPARE(box->text(), shown);
    }
  }

  void messageBoxAnswers_data() {
    QTest::addColumn<int>("styleValue");
    QTest::addColumn<QMessageBox::StandardButton>("pressed");  // NoButton: the Escape key
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << 276 << QMessageBox::Yes << kAnswerYes;
    QTest::newRow("no") << 36 << QMessageBox::No << kAnswerNo;
    QTest::newRow("ok") << 48 << QMessageBox::Ok << kAnswerOk;
    QTest::newRow("escape is no") << 4 << QMessageBox::NoButton << kAnswerNo;
  }
  void messageBoxAnswers() {
    QFETCH(int, styleValue);
    QFETCH(QMessageBox::StandardButton, pressed);
    QFETCH(int, answer);
    QtUiServices ui;
    WhenBoxOpens([pressed](QWidget* w) {
      if (pressed == QMessageBox::NoButton)
        QTest::keyClick(w, Qt::Key_Escape);
      else
        static_cast<QMessageBox*>(w)->button(pressed)->click();
    });
    QCOMPARE(ui.MessageBox(U"Frage?", styleValue, U"Titel"), answer);
  }

  // The label shows '&' as a shortcut mark, so a doubled one is an ampersand.
  void inputBoxAnswers_data() {
    QTest::addColumn<Text>("prompt");
    QTest::addColumn<QString>("shownLabel");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<Text>("answer");
    QTest::newRow("typed") << Text(U"Buchstaben\r\neingeben:") << "Buchstaben\neingeben:" << true << Text(U"äb&c");
    QTest::newRow("cancelled") << Text(U"Salz & Pfeffer") << "Salz && Pfeffer" << false << Text();
  }
  void inputBoxAnswers() {
    QFETCH(Text, prompt);
    QFETCH(QString, shownLabel);
    QFETCH(bool, accept);
    QFETCH(Text, answer);
    QtUiServices ui;
    QString shown;
    WhenBoxOpens([accept, &shown](QWidget* w) {
      auto* dialog = static_cast<QInputDialog*>(w);
      shown = dialog->findChild<QLabel*>()->text();
      dialog->setTextValue(QStringLiteral("äb&c"));
      accept ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(ui.InputBox(prompt, U"Titel", U"vor"), answer);
    QCOMPARE(shown, shownLabel);
  }

  void clipboardKeepsTheText() {
    QtUiServices ui;
    ui.SetClipboardText(U"Größe\r\nzwei");
    QCOMPARE(ui.ClipboardText(), Text(U"Größe\r\nzwei"));
    QApplication::clipboard()->clear();
    QVERIFY(ui.ClipboardText().empty());
  }
};

QTEST_MAIN(QtUiServicesTest)
#include "qtuiservices_test.moc"
