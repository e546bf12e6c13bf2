// The main window's controls: names, kinds, captions, places, colours,
// fonts, icons, size and keyboard reach.
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "QtTestSupport.h"
#include "test_form1_support.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

struct Place {
  const char* name;
  const char* type;  // class name
  const char* caption;
  int left, top, width, height;  // 1/1440 inch
};

// The window's controls as they are to appear.
const Place kPlaces[] = {
    {"Text1", "QPlainTextEdit", "", 840, 360, 7695, 2535},
    {"Text2", "QPlainTextEdit", "", 840, 3240, 7695, 2655},
    {"Bezeichnung7", "QLabel", "O r i g i n a l t e x t", 3360, 120, 2775, 255},
    {"Bezeichnung2", "QLabel", "L ö s u n g s t e x t ", 3360, 3000, 2775, 255},
    {"Bezeichnung1", "QLabel", "W ö r t e r l i s t e", 8760, 120, 2295, 255},
    {"Liste2", "QListWidget", "", 8760, 360, 2295, 5550},
    {"Liste1", "QListWidget", "", 840, 360, 7695, 2565},
    {"Befehl26", "QPushButton", "Ersetze Zwischenablage", 840, 120, 2535, 255},
    {"Befehl27", "QPushButton", "Ersetze Lösungstext", 6120, 120, 2415, 255},
    {"Befehl17", "QPushButton", "Ersetze Zwischenablage", 840, 3000, 2535, 255},
    {"Befehl22", "QPushButton", "Ersetze Originaltext", 6120, 3000, 2415, 255},
    {"Befehl1", "QPushButton", "Großletter", 840, 6000, 1455, 375},
    {"Befehl3", "QPushButton", "Rückwärtstext", 2400, 6000, 1455, 375},
    {"Befehl19", "QPushButton", "Mitlaute", 3960, 6000, 1455, 375},
    {"Befehl12", "QPushButton", "ABC-Wörter", 5520, 6000, 1455, 375},
    {"Befehl14", "QPushButton", "Lücken-Wörter", 7080, 6000, 1455, 375},
    {"Befehl2", "QPushButton", "Kleinletter", 840, 6480, 1455, 375},
    {"Befehl29", "QPushButton", "Rückwärtssatz", 2400, 6480, 1455, 375},
    {"Befehl18", "QPushButton", "Selbstlaute", 3960, 6480, 1455, 375},
    {"Befehl16", "QPushButton", "ABC-Nr-Wörter", 5520, 6480, 1455, 375},
    {"Befehl13", "QPushButton", "MitSel-Wörter", 7080, 6480, 1455, 375},
    {"Befehl6", "QPushButton", "Bandwurmtext", 840, 6960, 1455, 375},
    {"Befehl4", "QPushButton", "Umkehrtext", 2400, 6960, 1455, 375},
    {"Befehl8", "QPushButton", "Nur Erstletter", 3960, 6960, 1455, 375},
    {"Befehl15", "QPushButton", "Wortrahmen", 5520, 6960, 1455, 375},
    {"Befehl9", "QPushButton", "Purzel-Wörter", 7080, 6960, 1455, 375},
    {"Befehl7", "QPushButton", "Lückentext", 840, 7440, 1455, 375},
    {"Befehl10", "QPushButton", "Umkehrsatz", 2400, 7440, 1455, 375},
    {"Befehl11", "QPushButton", "Ohne Erstletter", 3960, 7440, 1455, 375},
    {"Befehl5", "QPushButton", "Umkehrwort", 5520, 7440, 1455, 375},
    {"Befehl31", "QPushButton", "Buchstaben", 7080, 7440, 1455, 375},
    {"Befehl21", "QPushButton", "Alle", 8760, 6000, 1095, 375},
    {"Befehl24", "QPushButton", "Keines", 9960, 6000, 1095, 375},
    {"Befehl25", "QPushButton", "Löschen", 8760, 6480, 1095, 375},
    {"Befehl28", "QPushButton", "Sichern", 9960, 6480, 1095, 375},
    {"Befehl20", "QPushButton", "<==", 8760, 6960, 1095, 375},
    {"Befehl23", "QPushButton", "Reset", 9960, 6960, 1095, 375},
    {"Befehl30", "QPushButton", "Ersetze Zwischenablage", 8760, 7440, 2295, 375},
    {"Bild2", "QToolButton", "", 120, 120, 495, 495},
    {"Bild5", "QToolButton", "", 120, 720, 495, 495},
    {"Bild6", "QToolButton", "", 120, 1320, 495, 495},
    {"Bild9", "QToolButton", "", 120, 1920, 495, 495},
    {"Bild1", "QToolButton", "", 120, 2520, 495, 495},
    {"Bild8", "QToolButton", "", 120, 3120, 495, 495},
    {"Bild10", "QToolButton", "", 120, 3720, 495, 495},
    {"Bild12", "QToolButton", "", 120, 4320, 495, 495},
    {"Bild11", "QToolButton", "", 120, 4920, 495, 495},
    {"Bild7", "QToolButton", "", 120, 5520, 495, 495},
    {"Bild13", "QToolButton", "", 120, 6120, 495, 495},
    {"Bild4", "QToolButton", "", 120, 6720, 495, 495},
    {"Bild3", "QToolButton", "", 120, 7320, 495, 495},
};

int Px(int units) { return qRound(units / 15.0); }

QString CaptionOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  return QString();
}

}  // namespace

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  void controlsArePlaced_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kPlaces)); ++i) QTest::newRow(kPlaces[i].name) << i;
  }
  void controlsArePlaced() {
    QFETCH(int, index);
    const Place& p = kPlaces[index];
    Form1 form;
    auto* w = form.Control<QWidget>(p.name);
    QVERIFY(w != nullptr);
    QVERIFY(w->inherits(p.type));
    QCOMPARE(w->geometry(), QRect(Px(p.left), Px(p.top), Px(p.width), Px(p.height)));
    QCOMPARE(CaptionOf(w), QString::fromUtf8(p.caption));
  }

  void everyControlFitsTheClientArea() {
    Form1 form;
    form.ShowWorkingModes();
    const QRect client = form.rect();
    for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
    }
  }

  void theWindowHasItsFixedSize() {
    Form1 form;
    // 11270 x 8310 units outside, less the window system's frame.
    QVERIFY(form.width() <= Px(11270) && form.width() >= Px(11270) - 16);
    QVERIFY(form.height() <= Px(8310) && form.height() >= Px(8310) - 40);
    QCOMPARE(form.minimumSize(), form.maximumSize());
  }

  void theWindowStartsInTheMiddleOfTheScreen() {
    Form1 form;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(form.pos(), QPoint((screen.width() - Px(11270)) / 2, (screen.height() - Px(8310)) / 2));
  }

  void shapesFrameTheGroups() {
    Form1 form;
    for (const char* name : {"Figur1", "Figur2", "Figur3", "Figur4", "Figur5"}) {
      auto* shape = form.Control<QFrame>(name);
      QVERIFY2(shape != nullptr, name);
      QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    // Each frame encloses the controls of its group.
    QVERIFY(form.Control<QFrame>("Figur2")->geometry().contains(Field(form, "Text1")->geometry()));
    QVERIFY(form.Control<QFrame>("Figur3")->geometry().contains(Field(form, "Text2")->geometry()));
    QVERIFY(form.Control<QFrame>("Figur1")->geometry().contains(form.Control<QWidget>("Bild3")->geometry()));
    QVERIFY(form.Control<QFrame>("Figur5")->geometry().contains(List(form, "Liste2")->geometry()));
  }

  void fonts() {
    Form1 form;
    for (const char* name : {"Text1", "Text2"}) {
      const QFontInfo info(Field(form, name)->font());
      QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
      QCOMPARE(info.pointSize(), 12);
    }
    for (const char* name : {"Bezeichnung7", "Bezeichnung2", "Bezeichnung1"}) {
      QVERIFY(form.Control<QLabel>(name)->font().bold());
    }
    QVERIFY(List(form, "Liste3")->font().bold());
  }

  void captionsFitTheirButtons() {
    Form1 form;
    for (QPushButton* b : form.findChildren<QPushButton*>()) {
      const int needed = b->fontMetrics().horizontalAdvance(b->text());
      QVERIFY2(needed + 6 <= b->width(), qPrintable(b->objectName()));
    }
  }

  void iconsHavePicturesTipsAndKeyboardFocus() {
    Form1 form;
    for (const Place& p : kPlaces) {
      auto* icon = qobject_cast<QToolButton*>(form.Control<QWidget>(p.name));
      if (!icon) continue;
      QVERIFY2(QFile::exists(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(p.name))), p.name);
      QVERIFY2(!icon->icon().pixmap(QSize(33, 33), 2.0).isNull(), p.name);
      QVERIFY2(!icon->toolTip().isEmpty(), p.name);
      QCOMPARE(icon->focusPolicy(), Qt::StrongFocus);
    }
    QCOMPARE(form.Control<QToolButton>("Bild13")->toolTip(), QStringLiteral("Löscht den Lösungstext"));
  }

  void tabOrderGoesFromIconsToFieldsToButtons() {
    Form1 form;
    QStringList order;
    QWidget* w = form.Control<QWidget>("Bild2");
    do {
      if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != form.Control<QWidget>("Bild2") && order.size() < 200);
    const auto at = [&](const char* name) { return order.indexOf(QLatin1String(name)); };
    for (const Place& p : kPlaces) {
      if (QLatin1String(p.type) != QLatin1String("QLabel")) QVERIFY2(at(p.name) >= 0, p.name);
    }
    QVERIFY(at("Bild3") < at("Befehl26"));
    QVERIFY(at("Befehl26") < at("Text1"));
    QVERIFY(at("Text1") < at("Text2"));
    QVERIFY(at("Text2") < at("Befehl1"));
    QVERIFY(at("Befehl1") < at("Befehl3"));
    QVERIFY(at("Befehl31") < at("Liste2"));
    QVERIFY(Field(form, "Text1")->tabChangesFocus());
  }
};

QTEST_MAIN(Form1LayoutTest)
#include "test_form1.moc"
