// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from its default size up to 3840 x 2160, and where it
// opens: what grows, what keeps its place, nothing on top of anything else,
// and the remembered place that must lie on a screen.
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "form1_test_support.h"
#include "ui/common/ProgramSettings.h"
#include "ui/common/WindowPlacement.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The area under the menu bar: the outer 11270 x 8310 units less the frame.
const QSize kHome(Px(11270) - 8, Px(8310) - 30);

QWidget* Area(const Form1& form) { return Child<QWidget>(form, "Arbeitsflaeche"); }
QRect Place(const Form1& form, const QString& name) { return Child<QWidget>(form, qPrintable(name))->geometry(); }

// Shows the window grown so that the area under the menu bar has this size.
void Grow(Form1& form, QSize area) {
  form.show();
  form.resize(area.width(), area.height() + form.findChild<QMenuBar*>()->height());
  QCoreApplication::processEvents();
}

}  // namespace

class Form1GrowthTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }
  void init() { ProgramSettings().clear(); }

  void defaultSizeIsTheSmallestAndHoldsTheAreaUnderTheMenuBar() {
    Form1 form;
    form.show();
    const int bar = form.findChild<QMenuBar*>()->height();
    QCOMPARE(Area(form)->geometry(), QRect(QPoint(0, bar), kHome));
    form.resize(400, 300);
    QCOMPARE(form.size(), QSize(kHome.width(), kHome.height() + bar));
  }

  void sizes_data() {
    QTest::addColumn<QSize>("area");
    QTest::newRow("default") << kHome;
    QTest::newRow("wider only") << QSize(1000, kHome.height());
    QTest::newRow("taller by an odd amount") << kHome + QSize(0, 301);
    QTest::newRow("3840 x 2160 filled") << QSize(3840, 2130);
  }

  // The text fields share the extra width with the word list and the extra
  // height between them.
  void fieldsAndWordListTakeTheExtraRoom_data() { sizes_data(); }
  void fieldsAndWordListTakeTheExtraRoom() {
    QFETCH(QSize, area);
    Form1 form;
    Grow(form, area);
    const QSize more = area - kHome;
    const QRect t1 = Place(form, "Text1"), t2 = Place(form, "Text2"), list = Place(form, "Liste2");
    QCOMPARE(t1.topLeft(), QPoint(Px(840), Px(360)));
    QCOMPARE(t1.width(), t2.width());
    QCOMPARE(t1.width() + list.width(), Px(7695) + Px(2295) + more.width());
    QCOMPARE(t1.height() + t2.height(), Px(2535) + Px(2655) + more.height());
    QVERIFY(qAbs((t1.height() - Px(2535)) - (t2.height() - Px(2655))) <= 1);
    QCOMPARE(area.width() - list.right(), kHome.width() - (Px(8760) + Px(2295)) + 1);
    QCOMPARE(list.height(), Px(5550) + more.height());
  }

  // Each button keeps its distance to the edges it sits at: the icons to the
  // top left, the exercise grid to the solution text's bottom left, the
  // word-list buttons to the list's bottom left.
  void buttonsKeepTheirPlacesAtTheirEdges_data() { sizes_data(); }
  void buttonsKeepTheirPlacesAtTheirEdges() {
    QFETCH(QSize, area);
    Form1 form;
    Grow(form, area);
    const QRect t2 = Place(form, "Text2"), list = Place(form, "Liste2");
    // Where the default place (in units) is measured from, in pixels now.
    const QPoint topLeft, underText(0, t2.y() + t2.height() - Px(3240) - Px(2655)),
        underList(list.x() - Px(8760), list.y() + list.height() - Px(360) - Px(5550));
    const struct {
      const char* name;
      QPoint from;
      int left, top, width;
    } rows[] = {{"Bild2", topLeft, 120, 120, 495},         {"Bild3", topLeft, 120, 7320, 495},
                {"Befehl1", underText, 840, 6000, 1455},   {"Befehl31", underText, 7080, 7440, 1455},
                {"Befehl21", underList, 8760, 6000, 1095}, {"Befehl23", underList, 9960, 6960, 1095},
                {"Befehl30", underList, 8760, 7440, 2295}};
    for (const auto& r : rows) {
      const int height = QByteArray(r.name).startsWith("Bild") ? Px(495) : Px(375);
      QCOMPARE(Place(form, r.name), QRect(r.from + QPoint(Px(r.left), Px(r.top)), QSize(Px(r.width), height)));
    }
  }

  void taskListStaysOverTheOriginalText_data() { sizes_data(); }
  void taskListStaysOverTheOriginalText() {
    QFETCH(QSize, area);
    for (bool shownBeforeGrowing : {false, true}) {
      Form1 form;
      form.show();
      if (shownBeforeGrowing) Click(form, "Bild1");
      Grow(form, area);
      if (!shownBeforeGrowing) Click(form, "Bild1");
      const QRect t1 = Place(form, "Text1");
      QCOMPARE(Place(form, "Liste1"), QRect(t1.topLeft(), t1.size() + QSize(0, Px(2670) - Px(2535))));
    }
  }

  // Every control lies inside the area, and two that lie apart at the
  // default size lie apart at every size (the heading labels leave their
  // buttons whole).
  void nothingComesToLieOnAnything_data() { sizes_data(); }
  void nothingComesToLieOnAnything() {
    QFETCH(QSize, area);
    Form1 home, form;
    Grow(home, kHome);
    Grow(form, area);
    QList<QWidget*> seen;  // all but the hidden lists and the frames around groups
    for (QWidget* w : Area(form)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (w->isVisible() && w->metaObject() != &QFrame::staticMetaObject) seen << w;
    }
    QCOMPARE(seen.size(), 13 + 31 + 3 + 3);
    for (QWidget* a : seen) {
      QVERIFY2(QRect(QPoint(), area).contains(a->geometry()), qPrintable(a->objectName()));
      for (QWidget* b : seen) {
        if (a != b && !Place(home, a->objectName()).intersects(Place(home, b->objectName()))) {
          QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName() + " " + b->objectName()));
        }
      }
    }
  }

  void placeOnScreens_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> one{{0, 0, 1920, 1050}}, two{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
    const QRect middle(588, 263, 743, 545);  // (1920 - 751) / 2 + 4, (1050 - 575) / 2 + 26
    QTest::newRow("nothing remembered") << QRect() << one << middle;
    QTest::newRow("on the screen") << QRect(100, 80, 900, 600) << one << QRect(100, 80, 900, 600);
    QTest::newRow("off to the right") << QRect(1500, 80, 900, 600) << one << QRect(1016, 80, 900, 600);
    QTest::newRow("caption above the top") << QRect(200, 5, 900, 600) << one << QRect(200, 26, 900, 600);
    QTest::newRow("second screen unplugged") << QRect(2000, 100, 900, 600) << one << middle;
    QTest::newRow("mostly on the second") << QRect(1800, 100, 900, 600) << two << QRect(1924, 100, 900, 600);
    QTest::newRow("larger than the screen") << QRect(0, 0, 2500, 1400) << one << QRect(4, 26, 1912, 1020);
    QTest::newRow("smaller than the minimum") << QRect(50, 60, 300, 200) << one << QRect(50, 60, 743, 545);
  }
  void placeOnScreens() {
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(PlaceOnScreens(saved, QSize(743, 545), screens, QMargins(4, 26, 4, 4)), expected);
  }

  void closedWindowOpensAgainWhereItWas() {
    QRect place;
    {
      Form1 form;
      const QPoint corner = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
      place = QRect(corner + QPoint(10, 30), form.minimumSize() + QSize(20, 0));
      form.setGeometry(place);
      form.close();
    }
    QCOMPARE(Form1().geometry(), place);
  }

  void placeRememberedOffTheScreenOpensOnIt() {
    ProgramSettings().setValue(QStringLiteral("Hauptfenster/Lage"), QRect(5000, 4000, 760, 560));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(Form1().geometry()));
  }

  void windowThatFilledTheScreenFillsItAgain() {
    {
      Form1 form;
      form.showMaximized();
      QCoreApplication::processEvents();
      form.close();
    }
    QVERIFY(Form1().windowState() & Qt::WindowMaximized);
  }
};

QTEST_MAIN(Form1GrowthTest)
#include "form1_growth_test.moc"
