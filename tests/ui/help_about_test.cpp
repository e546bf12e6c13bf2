// SPDX-License-Identifier: GPL-3.0-or-later
// The help window (Bild4) and the about window (Bild3), opened from the
// real main window.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "form1_test_support.h"
#include "ui/common/Units.h"
#include "ui/help/Form2.h"
#include "ui/help/TSMLABEL.h"
#include "worksheet/EditingCommands.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

const QString kGeneralText = QStringLiteral(
    "Die beiden Textfenster erlauben sämtliche gängigen Textfunktionen wie sie auch von den "
    "Textverarbeitungen her bekannt sind.");

Form2* OpenHelp(Form1& form) {
  Click(form, "Bild4");
  return form.findChild<Form2*>(QStringLiteral("Form2"));
}

TSMLABEL* OpenAbout(Form1& form) {
  Click(form, "Bild3");
  return form.findChild<TSMLABEL*>(QStringLiteral("TSMLABEL"));
}

QLabel* HelpLabel(Form2* help) { return Child<QLabel>(*help, "Bezeichnung1"); }
QTimer* HelpTimer(Form2* help) { return help->findChild<QTimer*>(QStringLiteral("Zeit1")); }
QImage Picture(const QIcon& icon) { return icon.pixmap(QSize(32, 32)).toImage(); }

}  // namespace

class TestHelpAbout : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void helpIconOpensOneHelpWindowNotModal() {
    Form1 form;
    form.show();
    Form2* help = OpenHelp(form);
    QVERIFY(help && help->isVisible() && help->isWindow());
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(HelpLabel(help)->text(), kGeneralText);
    QCOMPARE(OpenHelp(form), help);
    QCOMPARE(form.findChildren<Form2*>().size(), 1);
  }

  // Each help icon shows the picture of a main-window icon other than help,
  // and a click on it a text of its own, for five seconds, that fits.
  void everyHelpIconExplainsAMainWindowIcon() {
    const std::pair<const char*, const char*> rows[] = {{"Bild1", "Bild13"}, {"Bild9", "Bild7"}};
    Form1 form;
    Form2* help = OpenHelp(form);
    QLabel* label = HelpLabel(help);
    for (const auto& [helpIcon, mainIcon] : rows) {
      QVERIFY2(
          Picture(Child<QToolButton>(*help, helpIcon)->icon()) == Picture(Child<QToolButton>(form, mainIcon)->icon()),
          helpIcon);
    }
    const QImage helpPicture = Picture(Child<QToolButton>(form, "Bild4")->icon());
    QSet<QString> texts;
    for (QToolButton* icon : help->findChildren<QToolButton*>()) {
      QVERIFY2(Picture(icon->icon()) != helpPicture, qPrintable(icon->objectName()));
      icon->click();
      texts << label->text();
      QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
      QVERIFY(HelpTimer(help)->isActive());
      QCOMPARE(HelpTimer(help)->interval(), 5000);
    }
    QCOMPARE(texts.size(), 12);
    QVERIFY(!texts.contains(kGeneralText));
  }

  void timerReturnsTheLabelToTheGeneralText() {
    Form1 form;
    Form2* help = OpenHelp(form);
    HelpTimer(help)->setInterval(1);  // the tick itself, without the five seconds
    Child<QToolButton>(*help, "Bild11")->click();
    QCOMPARE(HelpLabel(help)->text(), QStringLiteral("Fügt die Ablage in das Originalfeld ein."));
    QTRY_COMPARE(HelpLabel(help)->text(), kGeneralText);
    QVERIFY(!HelpTimer(help)->isActive());
  }

  void fertigStopsTheTimerHidesAndKeepsTheText() {
    Form1 form;
    form.show();
    Form2* help = OpenHelp(form);
    Child<QToolButton>(*help, "Bild3")->click();
    Child<QPushButton>(*help, "Befehl1")->click();  // "F e r t i g"
    QVERIFY(help->isHidden());
    QVERIFY(!HelpTimer(help)->isActive());
    QVERIFY(OpenHelp(form) == help && help->isVisible());
    QCOMPARE(HelpLabel(help)->text(), QStringLiteral("Zum Beenden des Programmes"));
  }

  // The help window opens over the main window, centred across it a
  // quarter of the free height down, and wholly on the screen.
  void helpWindowOpensOverTheMainWindowAndOnTheScreen_data() {
    QTest::addColumn<QPoint>("mainAt");
    QTest::addColumn<bool>("atTheEdge");
    QTest::newRow("main window in the middle") << QPoint(20, 30) << false;
    QTest::newRow("main window half off the right edge") << QPoint(600, 30) << true;
    QTest::newRow("main window half off the bottom edge") << QPoint(20, 500) << true;
  }
  void helpWindowOpensOverTheMainWindowAndOnTheScreen() {
    QFETCH(QPoint, mainAt);
    QFETCH(bool, atTheEdge);
    Form1 form;
    form.move(mainAt);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2* help = OpenHelp(form);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    const QRect screen = form.screen()->availableGeometry();
    QVERIFY2(screen.contains(help->frameGeometry()), qPrintable(QStringLiteral("%1,%2").arg(help->x()).arg(help->y())));
    if (!atTheEdge) {
      QVERIFY(qAbs(help->frameGeometry().center().x() - form.frameGeometry().center().x()) <= kFrameWidthPixels);
      QVERIFY(help->frameGeometry().top() > form.frameGeometry().top());
    }
  }

  // The about window opens once, not modal; "O k a y" or the picture hide it,
  // other controls do not.
  void aboutWindowOpensOnceAndOkayOrThePictureHidesIt() {
    const std::pair<const char*, bool> rows[] = {
        {"Bezeichnung5", false}, {"Bezeichnung7", false}, {"Bezeichnung1", true}, {"Bild1", true}};
    Form1 form;
    form.show();
    TSMLABEL* about = OpenAbout(form);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(about->isWindow());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    for (const auto& [control, hides] : rows) {
      QTest::mouseClick(Child<QWidget>(*about, control), Qt::LeftButton);
      QVERIFY2(about->isHidden() == hides, control);
      QCOMPARE(OpenAbout(form), about);
      QVERIFY(QTest::qWaitForWindowExposed(about));
    }
    QCOMPARE(form.findChildren<TSMLABEL*>().size(), 1);
  }

  // The about window's first program line and the exit question's title name
  // the same version.
  void aboutWindowAndExitQuestionShowTheSameVersion() {
    Form1 form;
    form.show();
    TSMLABEL* about = OpenAbout(form);
    const QString firstLine = Child<QLabel>(*about, "Bezeichnung7")->text().section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(firstLine.startsWith(QStringLiteral("TESMORAN ")), qPrintable(firstLine));
    QCOMPARE(ToQString(Text(kEndTitle)).section(QStringLiteral(", Version "), 1), firstLine.mid(9));
  }
};

QTEST_MAIN(TestHelpAbout)
#include "help_about_test.moc"
