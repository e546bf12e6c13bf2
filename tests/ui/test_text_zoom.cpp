// Zoom of the text fields and the word list: keys, Ctrl with the wheel,
// the limits, the remembered size, and texts that stay as they are.
#include <QScrollBar>
#include <QSettings>

#include "test_form1_support.h"
#include "ui/TextZoom.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The word list is 8 pt when the text fields are 12 pt.
constexpr double kListPerFieldPoint = 8.0 / 12.0;

void ShowActive(Form1& form) {
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

// Ctrl with the wheel turned by `delta` eighths of a degree over `widget`.
void CtrlWheel(QWidget* widget, int delta, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  const QPointF at = widget->rect().center();
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &wheel);
}

void ExpectSize(const Form1& form, int points) {
  QCOMPARE(Field(form, "Text1")->font().pointSize(), points);
  QCOMPARE(Field(form, "Text2")->font().pointSize(), points);
  QVERIFY(qAbs(List(form, "Liste2")->font().pointSizeF() - points * kListPerFieldPoint) < 0.01);
}

}  // namespace

class TextZoomTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }
  void init() { QSettings().clear(); }

  void startsAtTheDefaultSize() {
    Form1 form;
    ExpectSize(form, 12);
  }

  void keysZoom_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("points");
    const int plus = Qt::Key_Plus, minus = Qt::Key_Minus, zero = Qt::Key_0;
    QTest::newRow("Ctrl+Plus") << QList<int>{plus} << 14;
    QTest::newRow("Ctrl+Plus three times") << QList<int>{plus, plus, plus} << 18;
    QTest::newRow("Ctrl+= of English keyboards") << QList<int>{int(Qt::Key_Equal)} << 14;
    QTest::newRow("Ctrl+Minus") << QList<int>{minus} << 10;
    QTest::newRow("Ctrl+Minus stops at 10") << QList<int>{minus, minus, minus} << 10;
    QTest::newRow("Ctrl+Plus stops at 48") << QList<int>(25, plus) << 48;
    QTest::newRow("Ctrl+0 back to 12") << QList<int>{plus, plus, zero} << 12;
    QTest::newRow("Ctrl+0 after shrinking") << QList<int>{minus, zero} << 12;
  }
  void keysZoom() {
    QFETCH(QList<int>, keys);
    QFETCH(int, points);
    Form1 form;
    ShowActive(form);
    for (int key : keys) QTest::keyClick(Field(form, "Text1"), Qt::Key(key), Qt::ControlModifier);
    ExpectSize(form, points);
  }

  void wheelZooms_data() {
    QTest::addColumn<QString>("over");
    QTest::addColumn<QList<int>>("turns");
    QTest::addColumn<int>("points");
    QTest::newRow("up over the original text") << "Text1" << QList<int>{120} << 14;
    QTest::newRow("down over the solution text") << "Text2" << QList<int>{-120} << 10;
    QTest::newRow("two notches over the word list") << "Liste2" << QList<int>{120, 120} << 16;
    QTest::newRow("half notches add up") << "Text1" << QList<int>{60, 60} << 14;
    QTest::newRow("one half notch does nothing") << "Text2" << QList<int>{60} << 12;
  }
  void wheelZooms() {
    QFETCH(QString, over);
    QFETCH(QList<int>, turns);
    QFETCH(int, points);
    Form1 form;
    auto* area = Child<QAbstractScrollArea>(form, over.toLatin1().constData());
    for (int turn : turns) CtrlWheel(area->viewport(), turn);
    ExpectSize(form, points);
  }

  void wheelWithoutCtrlScrollsAndKeepsTheSize() {
    Form1 form;
    form.show();
    PasteInto(form, "Text1", QString("Zeile\n").repeated(200));
    QPlainTextEdit* field = Field(form, "Text1");
    field->verticalScrollBar()->setValue(50);
    CtrlWheel(field->viewport(), -120, Qt::NoModifier);
    ExpectSize(form, 12);
    QVERIFY(field->verticalScrollBar()->value() > 50);
  }

  void sizeIsRememberedForTheNextStart() {
    {
      Form1 form;
      form.Zoom().SetPointSize(20);
    }
    Form1 again;
    ExpectSize(again, 20);
  }

  void rememberedSizeOutsideTheLimitsIsKeptWithinThem() {
    QSettings().setValue(QStringLiteral("Ansicht/Schriftgroesse"), 200);
    Form1 form;
    ExpectSize(form, 48);
  }

  // Zooming changes no text, no marking and no undo history: saving and
  // printing take the same text as before.
  void zoomLeavesTheTextsAlone() {
    Window w;
    PasteInto(w.form, "Text1", "Der Hund\nbellt.");
    MarkFieldPositions(w.form, "Text1", 4, 8);
    PasteInto(w.form, "Text2", "alt");
    const int undoSteps = Field(w.form, "Text2")->document()->availableUndoSteps();
    w.form.Zoom().SetPointSize(30);
    w.form.Run([](Worksheet&, UiServices&) {});
    QCOMPARE(w.form.Sheet().Text1.text, Text(U"Der Hund\r\nbellt."));
    QCOMPARE(w.form.Sheet().Text1.Marked(), Text(U"Hund"));
    QCOMPARE(w.form.Sheet().Text2, Text(U"alt"));
    QCOMPARE(Field(w.form, "Text2")->document()->availableUndoSteps(), undoSteps);
  }
};

QTEST_MAIN(TextZoomTest)
#include "test_text_zoom.moc"
