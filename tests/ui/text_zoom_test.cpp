// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom of the text fields and the word list: keys, Ctrl with the wheel, the
// limits, the remembered size, and texts that stay as they are.
#include <QScrollBar>

#include "form1_test_support.h"
#include "ui/common/ProgramSettings.h"
#include "ui/main/TextZoom.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The wheel turned by `delta` eighths of a degree over `widget`.
void Wheel(QWidget* widget, int delta, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  const QPointF at = widget->rect().center();
  QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &wheel);
}

// Both text fields at `points`, the word list (8 pt beside 12 pt) in proportion.
void ExpectSize(const Form1& form, int points) {
  QCOMPARE(Field(form, "Text1")->font().pointSize(), points);
  QCOMPARE(Field(form, "Text2")->font().pointSize(), points);
  QVERIFY(qAbs(List(form, "Liste2")->font().pointSizeF() - points * 8.0 / 12.0) < 0.01);
}

}  // namespace

class TextZoomTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }
  void init() { ProgramSettings().clear(); }

  void keysZoom_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("points");
    const int plus = Qt::Key_Plus, minus = Qt::Key_Minus, zero = Qt::Key_0;
    QTest::newRow("Ctrl+Plus three times") << QList<int>{plus, plus, plus} << 18;
    QTest::newRow("Ctrl+= of English keyboards") << QList<int>{int(Qt::Key_Equal)} << 14;
    QTest::newRow("Ctrl+Minus stops at 10") << QList<int>{minus, minus} << 10;
    QTest::newRow("Ctrl+Plus stops at 48") << QList<int>(25, plus) << 48;
    QTest::newRow("Ctrl+0 back to 12") << QList<int>{plus, plus, zero} << 12;
  }
  void keysZoom() {
    QFETCH(QList<int>, keys);
    QFETCH(int, points);
    Form1 form;
    QVERIFY(ShowActive(form));
    for (int key : keys) QTest::keyClick(Field(form, "Text1"), Qt::Key(key), Qt::ControlModifier);
    ExpectSize(form, points);
  }

  void ctrlWheelZooms_data() {
    QTest::addColumn<QString>("over");
    QTest::addColumn<QList<int>>("turns");
    QTest::addColumn<int>("points");
    QTest::newRow("up over the original text") << "Text1" << QList<int>{120} << 14;
    QTest::newRow("down over the solution text") << "Text2" << QList<int>{-120} << 10;
    QTest::newRow("two notches over the word list") << "Liste2" << QList<int>{120, 120} << 16;
    QTest::newRow("half notches add up") << "Text1" << QList<int>{60, 60} << 14;
    QTest::newRow("one half notch does nothing") << "Text2" << QList<int>{60} << 12;
  }
  void ctrlWheelZooms() {
    QFETCH(QString, over);
    QFETCH(QList<int>, turns);
    QFETCH(int, points);
    Form1 form;
    for (int turn : turns) Wheel(Child<QAbstractScrollArea>(form, qPrintable(over))->viewport(), turn);
    ExpectSize(form, points);
  }

  void wheelWithoutCtrlScrolls() {
    Form1 form;
    form.show();
    PasteInto(form, "Text1", QString("Zeile\n").repeated(200));
    QScrollBar* bar = Field(form, "Text1")->verticalScrollBar();
    bar->setValue(50);
    Wheel(Field(form, "Text1")->viewport(), -120, Qt::NoModifier);
    ExpectSize(form, 12);
    QVERIFY(bar->value() > 50);
  }

  // Set in the window, or found in the settings file as something else wrote it.
  void sizeIsRememberedWithinTheLimits_data() {
    QTest::addColumn<bool>("inFile");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("points");
    QTest::newRow("20 set") << false << 20 << 20;
    QTest::newRow("200 in the file, kept at 48") << true << 200 << 48;
    QTest::newRow("3 in the file, kept at 10") << true << 3 << 10;
  }
  void sizeIsRememberedWithinTheLimits() {
    QFETCH(bool, inFile);
    QFETCH(int, set);
    QFETCH(int, points);
    if (inFile) {
      ProgramSettings().setValue(QStringLiteral("Ansicht/Schriftgroesse"), set);
    } else {
      Form1().Zoom().SetPointSize(set);
    }
    ExpectSize(Form1(), points);
  }

  // No text, marking or undo history changes: saving and printing take
  // the same text as before.
  void zoomLeavesTheTextsAlone() {
    Form1 form;
    PasteInto(form, "Text1", "Der Hund\nbellt.");
    MarkFieldPositions(form, "Text1", 4, 8);
    PasteInto(form, "Text2", "alt");
    const int undoSteps = Field(form, "Text2")->document()->availableUndoSteps();
    form.Zoom().SetPointSize(30);
    form.Run([](Worksheet&, UiServices&) {});
    QCOMPARE(form.Sheet().Text1.text, Text(U"Der Hund\r\nbellt."));
    QCOMPARE(form.Sheet().Text1.Marked(), Text(U"Hund"));
    QCOMPARE(form.Sheet().Text2, Text(U"alt"));
    QCOMPARE(Field(form, "Text2")->document()->availableUndoSteps(), undoSteps);
  }
};

QTEST_MAIN(TextZoomTest)
#include "text_zoom_test.moc"
