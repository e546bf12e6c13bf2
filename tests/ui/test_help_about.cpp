// The help window (Bild4) and the about window (Bild3), opened from the
// real main window.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "QtTestSupport.h"
#include "test_form1_support.h"
#include "ui/Form2.h"
#include "ui/TSMLABEL.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

const QString kGeneralText = QStringLiteral(
    "Die beiden Textfenster erlauben sämtliche gängigen Textfunktionen wie sie auch von den "
    "Textverarbeitungen her bekannt sind.");

int Px(int units) { return qRound(units / 15.0); }

Form2* OpenHelp(Form1& form) {
  Click(form, "Bild4");
  return form.findChild<Form2*>(QStringLiteral("Form2"));
}

TSMLABEL* OpenAbout(Form1& form) {
  Click(form, "Bild3");
  return form.findChild<TSMLABEL*>(QStringLiteral("TSMLABEL"));
}

template <class T>
T* Child(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(QLatin1String(name));
  if (!child) qFatal("no control %s", name);
  return child;
}

QLabel* HelpLabel(Form2* help) { return Child<QLabel>(help, "Bezeichnung1"); }
QTimer* HelpTimer(Form2* help) { return Child<QTimer>(help, "Zeit1"); }

QImage Picture(const QIcon& icon) { return icon.pixmap(QSize(32, 32)).toImage(); }

}  // namespace

class TestHelpAbout : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void helpIconOpensOneHelpWindowNotModal() {
    Form1 form;
    form.show();
    QVERIFY(!form.findChild<Form2*>());
    Form2* help = OpenHelp(form);
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->windowTitle(), QStringLiteral("TESMORAN: Hilfe"));
    QCOMPARE(HelpLabel(help)->text(), kGeneralText);
    QCOMPARE(help->palette().color(QPalette::Window), QColor(128, 255, 255));
    QCOMPARE(help->size(), QSize(Px(4560), Px(3750)));

    help->hide();
    QCOMPARE(OpenHelp(form), help);
    QVERIFY(help->isVisible());
    QCOMPARE(form.findChildren<Form2*>().size(), 1);
  }

  void helpIconsSitInTheGridWithTheMainWindowsPictures_data() {
    QTest::addColumn<QString>("helpIcon");
    QTest::addColumn<QString>("mainIcon");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("Bild1") << "Bild1" << "Bild13" << 2 << 4;
    QTest::newRow("Bild2") << "Bild2" << "Bild1" << 2 << 2;
    QTest::newRow("Bild3") << "Bild3" << "Bild2" << 1 << 1;
    QTest::newRow("Bild4") << "Bild4" << "Bild6" << 3 << 1;
    QTest::newRow("Bild5") << "Bild5" << "Bild9" << 1 << 2;
    QTest::newRow("Bild6") << "Bild6" << "Bild5" << 2 << 1;
    QTest::newRow("Bild7") << "Bild7" << "Bild3" << 3 << 4;
    QTest::newRow("Bild8") << "Bild8" << "Bild10" << 1 << 3;
    QTest::newRow("Bild9") << "Bild9" << "Bild7" << 1 << 4;
    QTest::newRow("Bild10") << "Bild10" << "Bild8" << 3 << 2;
    QTest::newRow("Bild11") << "Bild11" << "Bild12" << 2 << 3;
    QTest::newRow("Bild12") << "Bild12" << "Bild11" << 3 << 3;
  }

  void helpIconsSitInTheGridWithTheMainWindowsPictures() {
    QFETCH(QString, helpIcon);
    QFETCH(QString, mainIcon);
    QFETCH(int, column);
    QFETCH(int, row);
    Form1 form;
    Form2* help = OpenHelp(form);
    auto* icon = Child<QToolButton>(help, helpIcon.toLatin1().constData());
    const int left[] = {120, 720, 1320};
    const int top[] = {240, 840, 1440, 2040};
    QCOMPARE(icon->geometry(), QRect(Px(left[column - 1]), Px(top[row - 1]), Px(495), Px(495)));
    const QImage picture = Picture(icon->icon());
    QVERIFY(!picture.isNull());
    QCOMPARE(picture, Picture(form.Control<QToolButton>(mainIcon.toLatin1().constData())->icon()));
  }

  void helpWindowHasNoCounterpartOfTheHelpIcon() {
    Form1 form;
    Form2* help = OpenHelp(form);
    QCOMPARE(help->findChildren<QToolButton*>().size(), 12);
    const QImage helpPicture = Picture(form.Control<QToolButton>("Bild4")->icon());
    for (const QToolButton* icon : help->findChildren<QToolButton*>()) {
      QVERIFY2(Picture(icon->icon()) != helpPicture, qPrintable(icon->objectName()));
    }
  }

  void iconClickShowsItsHelpText_data() {
    QTest::addColumn<QString>("helpIcon");
    QTest::addColumn<QString>("text");
    QTest::newRow("Bild1") << "Bild1" << "Löscht den Lösungstext";
    QTest::newRow("Bild2") << "Bild2"
                           << "Blendet Liste mit Arbeitsaufträgen ein: Mit Doppelklick wird ein Eintrag "
                              "in das Lösungsfeld übernommen.";
    QTest::newRow("Bild3") << "Bild3" << "Zum Beenden des Programmes";
    QTest::newRow("Bild4") << "Bild4" << "Zum Speichern des Lösungstextes in einer externen Datei.";
    QTest::newRow("Bild5") << "Bild5"
                           << "Zum Ausdrucken des Lösungstextes: Hat lediglich Kontrollfunktion, "
                              "Textformatierungen sind nicht möglich.";
    QTest::newRow("Bild6") << "Bild6"
                           << "Laden einer vorhandenen Textdatei: Die Endung muss auf '.TXT' lauten.";
    QTest::newRow("Bild7") << "Bild7" << "Blendet Copyright-Vermerk mit Anschrift ein.";
    QTest::newRow("Bild8") << "Bild8"
                           << "Zum Suchen und Ersetzen: Gesuchten Begriff im Originaltext markieren und "
                              "dann erst diese Funktion aufrufen.";
    QTest::newRow("Bild9") << "Bild9" << "Stellt den Arbeitsmodus ein: Lösungstext ersetzen oder erweitern.";
    QTest::newRow("Bild10") << "Bild10"
                            << "Erstellt die Wörterliste: Es muss ein Text im Originalfeld stehen.Beim "
                               "Erstellen wird eine Sicherung angelegt, die mit 'Reset' wieder "
                               "zurückgeholt werden kann.";
    QTest::newRow("Bild11") << "Bild11" << "Fügt die Ablage in das Originalfeld ein.";
    QTest::newRow("Bild12") << "Bild12" << "Fügt die Ablage in das Lösungsfeld ein.";
  }

  void iconClickShowsItsHelpText() {
    QFETCH(QString, helpIcon);
    QFETCH(QString, text);
    Form1 form;
    Form2* help = OpenHelp(form);
    Child<QToolButton>(help, helpIcon.toLatin1().constData())->click();
    QCOMPARE(HelpLabel(help)->text(), text);
    QVERIFY(HelpTimer(help)->isActive());
    QCOMPARE(HelpTimer(help)->interval(), 5000);
  }

  void timerReturnsTheLabelToTheGeneralText() {
    Form1 form;
    Form2* help = OpenHelp(form);
    Child<QToolButton>(help, "Bild3")->click();
    QCOMPARE(HelpLabel(help)->text(), QStringLiteral("Zum Beenden des Programmes"));
    help->Zeit1Timer();
    QCOMPARE(HelpLabel(help)->text(), kGeneralText);
    QVERIFY(!HelpTimer(help)->isActive());
  }

  void timerTickReachesTheWindow() {
    Form1 form;
    Form2* help = OpenHelp(form);
    HelpTimer(help)->setInterval(1);  // the tick itself, without the five seconds
    Child<QToolButton>(help, "Bild11")->click();
    QTRY_COMPARE(HelpLabel(help)->text(), kGeneralText);
    QVERIFY(!HelpTimer(help)->isActive());
  }

  void anotherIconWithinTheFiveSecondsStartsThemAnew() {
    Form1 form;
    Form2* help = OpenHelp(form);
    Child<QToolButton>(help, "Bild1")->click();
    QTest::qWait(200);  // some of the five seconds run off
    const int remainingBefore = HelpTimer(help)->remainingTime();
    Child<QToolButton>(help, "Bild12")->click();
    QCOMPARE(HelpLabel(help)->text(), QStringLiteral("Fügt die Ablage in das Lösungsfeld ein."));
    QVERIFY(HelpTimer(help)->isActive());
    QVERIFY(HelpTimer(help)->remainingTime() > remainingBefore);
  }

  void fertigStopsTheTimerHidesAndKeepsTheText() {
    Form1 form;
    form.show();
    Form2* help = OpenHelp(form);
    auto* done = Child<QPushButton>(help, "Befehl1");
    QCOMPARE(done->text(), QStringLiteral("F e r t i g"));
    Child<QToolButton>(help, "Bild9")->click();
    done->click();
    QVERIFY(help->isHidden());
    QVERIFY(!HelpTimer(help)->isActive());
    const QString shown = QStringLiteral("Stellt den Arbeitsmodus ein: Lösungstext ersetzen oder erweitern.");
    QCOMPARE(OpenHelp(form), help);
    QCOMPARE(HelpLabel(help)->text(), shown);
    QVERIFY(!HelpTimer(help)->isActive());
  }

  void helpWindowLooks() {
    Form1 form;
    Form2* help = OpenHelp(form);
    QLabel* label = HelpLabel(help);
    QCOMPARE(label->geometry(), QRect(Px(2040), Px(360), Px(2175), Px(2775)));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(label->wordWrap());
    QVERIFY(label->font().bold());
    auto* hint = Child<QLabel>(help, "Bezeichnung2");
    QCOMPARE(hint->text(), QStringLiteral("Für Hilfetexte die jeweiligen Symbole anklicken ..."));
    QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The dark blue rectangle frames the label on every side.
    const QRect frame = Child<QWidget>(help, "Figur1")->geometry();
    QVERIFY(frame.contains(label->geometry()));
    QVERIFY(frame.left() < label->geometry().left() && frame.bottom() > label->geometry().bottom());
    // Every help text fits the label.
    for (int i = 1; i <= 12; ++i) {
      Child<QToolButton>(help, qPrintable(QStringLiteral("Bild%1").arg(i)))->click();
      QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
    }
  }

  void aboutIconOpensTheAboutWindowNotModal() {
    Form1 form;
    form.show();
    TSMLABEL* about = OpenAbout(form);
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(about->isWindow());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QCOMPARE(about->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(about->size(), QSize(Px(3495), Px(3525)));
    QCOMPARE(OpenAbout(form), about);
    QCOMPARE(form.findChildren<TSMLABEL*>().size(), 1);
  }

  void aboutWindowSitsCentredAcrossAndAQuarterDown() {
    Form1 form;
    TSMLABEL* about = OpenAbout(form);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The outer size is the inner one plus the window system's frame.
    const int freeWidth = screen.width() - about->width();
    const int freeHeight = screen.height() - about->height();
    QVERIFY(qAbs(about->x() - freeWidth / 2) <= 8);
    QVERIFY(qAbs(about->y() - freeHeight / 4) <= 30);
    // Placed once: a moved window stays where it was put.
    about->move(10, 20);
    about->hide();
    QCOMPARE(OpenAbout(form)->pos(), QPoint(10, 20));
  }

  void titleSpellsTheProgramNameInItsColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("ink");
    QTest::newRow("T") << "Bezeichnung2" << "T" << QColor(255, 0, 255);
    QTest::newRow("E") << "Bezeichnung3" << "E" << QColor(0, 255, 255);
    QTest::newRow("S") << "Bezeichnung4" << "S" << QColor(128, 255, 128);
    QTest::newRow("MORAN") << "Bezeichnung5" << "M O R A N" << QColor(Qt::white);
  }

  void titleSpellsTheProgramNameInItsColours() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, ink);
    Form1 form;
    TSMLABEL* about = OpenAbout(form);
    auto* label = Child<QLabel>(about, name.toLatin1().constData());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), ink);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 128));
    // 18 points, or a little less where the fonts at hand are wider.
    QVERIFY(label->font().pointSizeF() <= 18.0 && label->font().pointSizeF() >= 15.0);
    QVERIFY(label->font().bold());
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
  }

  void noticesAreTwoLinesThatFitTheirLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");
    QTest::newRow("usage") << "Bezeichnung6" << TSMLABEL::UsageNotice();
    QTest::newRow("program") << "Bezeichnung7" << TSMLABEL::ProgramNotice();
  }

  void noticesAreTwoLinesThatFitTheirLabels() {
    QFETCH(QString, name);
    QFETCH(QString, notice);
    Form1 form;
    TSMLABEL* about = OpenAbout(form);
    const QStringList lines = notice.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    for (const QString& line : lines) {
      QVERIFY(!line.isEmpty());
      QVERIFY(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    }
    auto* label = Child<QLabel>(about, name.toLatin1().constData());
    QCOMPARE(label->text(), lines.join(QLatin1Char('\n')));
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(notice));
  }

  void noticesNameVersionAndLicenceAndNoWebAddress() {
    const QString all = TSMLABEL::UsageNotice() + TSMLABEL::ProgramNotice() + TSMLABEL::AddressLine();
    QVERIFY(TSMLABEL::ProgramNotice().contains(QStringLiteral(TESMORAN_VERSION)));
    QVERIFY(all.contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(all.contains(QStringLiteral("Freie Software")));
    for (const char* web : {"http", "www.", ".de", ".com", "@"}) {
      QVERIFY2(!all.contains(QLatin1String(web)), web);
    }
    Form1 form;
    auto* line = Child<QLabel>(OpenAbout(form), "Bezeichnung8");
    QCOMPARE(line->text(), TSMLABEL::AddressLine());
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
  }

  void okayOrThePictureHidesTheAboutWindow_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("O k a y") << "Bezeichnung1";
    QTest::newRow("picture") << "Bild1";
  }

  void okayOrThePictureHidesTheAboutWindow() {
    QFETCH(QString, control);
    Form1 form;
    form.show();
    TSMLABEL* about = OpenAbout(form);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(Child<QLabel>(about, "Bezeichnung1")->text(), QStringLiteral("O k a y"));
    QTest::mouseClick(Child<QWidget>(about, control.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(about->isHidden());
    QCOMPARE(OpenAbout(form), about);
    QVERIFY(about->isVisible());
  }

  void otherControlsOfTheAboutWindowIgnoreClicks() {
    Form1 form;
    form.show();
    TSMLABEL* about = OpenAbout(form);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    for (const char* name : {"Bezeichnung5", "Bezeichnung6", "Bezeichnung7", "Bezeichnung8"}) {
      QTest::mouseClick(Child<QWidget>(about, name), Qt::LeftButton);
      QVERIFY2(about->isVisible(), name);
    }
  }
};

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
