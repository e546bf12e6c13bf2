// The main window at sizes from its default one up to 3840 x 2160: what
// grows, what keeps its place, and that nothing comes to lie on anything
// else.
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "test_form1_support.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The default area under the menu bar: the window's outer size of
// 11270 x 8310 units less the window system's frame.
const QSize kDefaultArea(Px(11270) - 8, Px(8310) - 30);

QWidget* Area(const Form1& form) { return Child<QWidget>(form, "Arbeitsflaeche"); }
QRect Place(const Form1& form, const char* name) { return Child<QWidget>(form, name)->geometry(); }

// The window shown and grown so that the area under the menu bar has this size.
void GrowArea(Form1& form, QSize area) {
  form.show();
  form.resize(area.width(), area.height() + form.findChild<QMenuBar*>()->height());
  QCoreApplication::processEvents();
}

// The controls that the user sees: all but the hidden lists and the frames
// drawn around groups of them.
QList<QWidget*> VisibleControls(const Form1& form) {
  QList<QWidget*> controls;
  for (QWidget* w : Area(form)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (w->isVisible() && w->metaObject() != &QFrame::staticMetaObject) controls << w;
  }
  return controls;
}

}  // namespace

class Form1GrowthTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void defaultSizeIsTheControlAreaUnderTheMenuBar() {
    Form1 form;
    form.show();
    const int bar = form.findChild<QMenuBar*>()->height();
    QVERIFY(bar > 0);
    QCOMPARE(Area(form)->geometry(), QRect(QPoint(0, bar), kDefaultArea));
    QCOMPARE(form.size(), QSize(kDefaultArea.width(), kDefaultArea.height() + bar));
  }

  void windowDoesNotShrinkBelowItsDefaultSize() {
    Form1 form;
    form.show();
    const QSize home = form.size();
    form.resize(400, 300);
    QCOMPARE(form.size(), home);
    QCOMPARE(form.minimumSize(), home);
  }

  void sizes_data() {
    QTest::addColumn<QSize>("area");
    QTest::newRow("default") << kDefaultArea;
    QTest::newRow("wider only") << QSize(1000, kDefaultArea.height());
    QTest::newRow("taller only") << QSize(kDefaultArea.width(), 900);
    QTest::newRow("odd growth") << QSize(kDefaultArea.width() + 1, kDefaultArea.height() + 3);
    QTest::newRow("1280 x 1024") << QSize(1280, 990);
    QTest::newRow("1920 x 1080 filled") << QSize(1920, 1050);
    QTest::newRow("3840 x 2160 filled") << QSize(3840, 2130);
  }

  void iconColumnStaysInPlace_data() { sizes_data(); }
  void iconColumnStaysInPlace() {
    QFETCH(QSize, area);
    Form1 form;
    GrowArea(form, area);
    const char* icons[] = {"Bild2", "Bild5", "Bild6", "Bild9", "Bild1", "Bild8", "Bild10",
                           "Bild12", "Bild11", "Bild7", "Bild13", "Bild4", "Bild3"};
    for (int i = 0; i < 13; ++i) {
      QCOMPARE(Place(form, icons[i]), QRect(Px(120), Px(120 + 600 * i), Px(495), Px(495)));
    }
  }

  // The text fields share the extra width with the word list and the extra
  // height between them; all three keep their left and top edges.
  void fieldsAndWordListTakeTheExtraRoom_data() { sizes_data(); }
  void fieldsAndWordListTakeTheExtraRoom() {
    QFETCH(QSize, area);
    Form1 form;
    GrowArea(form, area);
    const int wider = area.width() - kDefaultArea.width(), taller = area.height() - kDefaultArea.height();
    const QRect text1 = Place(form, "Text1"), text2 = Place(form, "Text2"), list = Place(form, "Liste2");
    QCOMPARE(text1.topLeft(), QPoint(Px(840), Px(360)));
    QCOMPARE(text1.width(), text2.width());
    QCOMPARE(text1.width() + list.width(), Px(7695) + Px(2295) + wider);
    QCOMPARE(text1.height() + text2.height(), Px(2535) + Px(2655) + taller);
    QVERIFY(qAbs((text1.height() - Px(2535)) - (text2.height() - Px(2655))) <= 1);
    QCOMPARE(text2.top() - text1.bottom(), Px(3240) - (Px(360) + Px(2535)) + 1);
    // The word list keeps its margin to the right edge and grows to the bottom.
    QCOMPARE(area.width() - (list.x() + list.width()), kDefaultArea.width() - (Px(8760) + Px(2295)));
    QCOMPARE(list.height(), Px(5550) + taller);
  }

  void exerciseGridStaysUnderTheSolutionText_data() { sizes_data(); }
  void exerciseGridStaysUnderTheSolutionText() {
    QFETCH(QSize, area);
    Form1 form;
    GrowArea(form, area);
    const QRect text2 = Place(form, "Text2");
    const int gap = Px(6000) - (Px(3240) + Px(2655));
    const struct { const char* button; int left, row; } grid[] = {
        {"Befehl1", 840, 0}, {"Befehl3", 2400, 0}, {"Befehl14", 7080, 0}, {"Befehl2", 840, 1},
        {"Befehl9", 7080, 2}, {"Befehl7", 840, 3},  {"Befehl31", 7080, 3}};
    for (const auto& b : grid) {
      const QRect place = Place(form, b.button);
      const int below = Px(6000 + 480 * b.row) - Px(6000);
      QCOMPARE(place.topLeft(), QPoint(Px(b.left), text2.y() + text2.height() + gap + below));
      QCOMPARE(place.size(), QSize(Px(1455), Px(375)));
    }
  }

  void wordListButtonsStayUnderTheList_data() { sizes_data(); }
  void wordListButtonsStayUnderTheList() {
    QFETCH(QSize, area);
    Form1 form;
    GrowArea(form, area);
    const QRect list = Place(form, "Liste2");
    const int gap = Px(6000) - (Px(360) + Px(5550));
    const struct { const char* button; int left, top, width; } buttons[] = {
        {"Befehl21", 8760, 6000, 1095}, {"Befehl24", 9960, 6000, 1095}, {"Befehl23", 9960, 6960, 1095},
        {"Befehl30", 8760, 7440, 2295}};
    for (const auto& b : buttons) {
      const QRect place = Place(form, b.button);
      QCOMPARE(place.x(), list.x() + Px(b.left) - Px(8760));
      QCOMPARE(place.y(), list.y() + list.height() + gap + Px(b.top) - Px(6000));
      QCOMPARE(place.size(), QSize(Px(b.width), Px(375)));
    }
  }

  // Shown after growing, or grown while shown, the task list covers the
  // original text.
  void taskListStaysOverTheOriginalText_data() { sizes_data(); }
  void taskListStaysOverTheOriginalText() {
    QFETCH(QSize, area);
    for (bool showFirst : {false, true}) {
      Form1 form;
      form.show();
      if (showFirst) Click(form, "Bild1");
      GrowArea(form, area);
      if (!showFirst) Click(form, "Bild1");
      const QRect text1 = Place(form, "Text1"), tasks = Place(form, "Liste1");
      QCOMPARE(tasks.topLeft(), text1.topLeft());
      QCOMPARE(tasks.width(), text1.width());
      QCOMPARE(tasks.height(), text1.height() + Px(2670) - Px(2535));
    }
  }

  // Every control lies inside the area, and two controls that lie apart at
  // the default size lie apart at every size.
  void nothingComesToLieOnAnything_data() { sizes_data(); }
  void nothingComesToLieOnAnything() {
    QFETCH(QSize, area);
    Form1 atHome;
    GrowArea(atHome, kDefaultArea);
    Form1 form;
    GrowArea(form, area);
    const QList<QWidget*> controls = VisibleControls(form);
    QCOMPARE(controls.size(), 13 + 31 + 3 + 3);
    for (QWidget* a : controls) {
      QVERIFY2(QRect(QPoint(0, 0), area).contains(a->geometry()), qPrintable(a->objectName()));
      for (QWidget* b : controls) {
        if (a == b) continue;
        const QByteArray names = a->objectName().toLatin1() + " / " + b->objectName().toLatin1();
        const bool apartAtHome = !Place(atHome, a->objectName().toLatin1().constData())
                                      .intersects(Place(atHome, b->objectName().toLatin1().constData()));
        if (apartAtHome) QVERIFY2(!a->geometry().intersects(b->geometry()), names.constData());
      }
    }
  }
};

QTEST_MAIN(Form1GrowthTest)
#include "test_form1_growth.moc"
