// Where the main window opens: the remembered place when it is still on a
// screen, the middle of the main screen otherwise.
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "test_form1_support.h"
#include "ui/WindowPlace.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// Frame of the window system: 4 pixels at the sides and below, 26 above.
const QMargins kFrame(4, 26, 4, 4);
const QSize kMinimum(743, 545);
const QRect kLeftScreen(0, 0, 1920, 1050);
const QRect kRightScreen(1920, 0, 1280, 1024);

}  // namespace

class WindowPlaceTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }
  void init() { QSettings().clear(); }

  void placeOnScreens_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> one{kLeftScreen}, two{kLeftScreen, kRightScreen};
    // Middle of the left screen: (1920 - 751) / 2 + 4, (1050 - 575) / 2 + 26.
    const QRect middle(588, 263, 743, 545);
    QTest::newRow("nothing remembered") << QRect() << one << middle;
    QTest::newRow("on the screen: kept") << QRect(100, 80, 900, 600) << one << QRect(100, 80, 900, 600);
    QTest::newRow("off to the right: pulled in") << QRect(1500, 80, 900, 600) << one << QRect(1016, 80, 900, 600);
    QTest::newRow("above the top: caption pulled down") << QRect(200, 5, 900, 600) << one << QRect(200, 26, 900, 600);
    QTest::newRow("far away: middle") << QRect(9000, 7000, 900, 600) << one << middle;
    QTest::newRow("second screen unplugged") << QRect(2000, 100, 900, 600) << one << middle;
    QTest::newRow("second screen kept") << QRect(2000, 100, 900, 600) << two << QRect(2000, 100, 900, 600);
    QTest::newRow("mostly on the second screen") << QRect(1800, 100, 900, 600) << two
                                                 << QRect(1924, 100, 900, 600);
    QTest::newRow("larger than the screen") << QRect(0, 0, 2500, 1400) << one << QRect(4, 26, 1912, 1020);
    QTest::newRow("smaller than the minimum") << QRect(50, 60, 300, 200) << one << QRect(50, 60, 743, 545);
  }
  void placeOnScreens() {
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(PlaceOnScreens(saved, kMinimum, screens, kFrame), expected);
  }

  void closedWindowOpensAgainWhereItWas() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect place;
    {
      Form1 form;
      place = QRect(screen.topLeft() + QPoint(10, 30), form.minimumSize() + QSize(20, 0));
      form.setGeometry(place);
      form.close();
    }
    Form1 again;
    QCOMPARE(again.geometry(), place);
  }

  void placeRememberedOffTheScreenOpensOnIt() {
    QSettings().setValue(QStringLiteral("Hauptfenster/Lage"), QRect(5000, 4000, 760, 560));
    Form1 form;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(form.geometry()), qPrintable(QStringLiteral("%1,%2").arg(form.x()).arg(form.y())));
  }

  void windowThatFilledTheScreenFillsItAgain() {
    {
      Form1 form;
      form.showMaximized();
      QCoreApplication::processEvents();
      QVERIFY(form.isMaximized());
      form.close();
    }
    Form1 again;
    QVERIFY(again.windowState() & Qt::WindowMaximized);
  }
};

QTEST_MAIN(WindowPlaceTest)
#include "test_window_place.moc"
