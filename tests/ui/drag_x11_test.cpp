// SPDX-License-Identifier: GPL-3.0-or-later
// Drags with the mouse from start to drop, through a real X server: only
// there does a drag run as it does for the user (the offscreen platform
// drops every drag at once).  Run under xvfb-run.
#include <QTimer>

#include "form1_test_support.h"
#include "ui/main/DragLabel.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The main window with «Der Hund bellt.» in the original text, «Hund»
// marked, and «X» in the solution text.
struct DragWindow : Window {
  DragWindow() {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) qFatal("the main window was not shown");
    PasteInto(form, "Text1", QStringLiteral("Der Hund bellt."));
    PasteInto(form, "Text2", QStringLiteral("X"));
    MarkFieldPositions(form, "Text1", 4, 8);
  }

  // Presses at `from`, moves far enough to start a drag and lets go over
  // the solution text.  The drag runs its own loop, so the rest of the
  // gesture comes from a timer inside it.
  void DragToSolution(QPoint from) {
    QWindow* win = form.windowHandle();
    const QPoint to = InWindow(*Field(form, "Text2")->viewport(), {40, 40});
    bool released = false;
    QTimer::singleShot(50, &form, [&] {
      QTest::mouseMove(win, to);
      QTest::mouseMove(win, to + QPoint(3, 3));
      QTest::mouseRelease(win, Qt::LeftButton, {}, to + QPoint(3, 3));
      released = true;
    });
    QTest::mousePress(win, Qt::LeftButton, {}, from);
    QTest::mouseMove(win, from + QPoint(30, 0));
    QTRY_VERIFY(released);
  }
};

}  // namespace

class DragTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  // The marked «Hund» dragged onto the solution text: the original text
  // keeps it and the solution text takes nothing.
  void draggingMarkedTextOutKeepsTheOriginalText() {
    DragWindow w;
    QPlainTextEdit* original = Field(w.form, "Text1");
    QTextCursor onHund = original->textCursor();
    onHund.setPosition(6);
    w.DragToSolution(InWindow(*original->viewport(), original->cursorRect(onHund).center()));
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"Der Hund bellt."));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"X"));
  }

  // The label "O r i g i n a l t e x t" still appends the marked part.
  void draggingTheOriginalLabelAppendsTheMarkedPart() {
    DragWindow w;
    auto* label = Child<DragLabel>(w.form, "Bezeichnung7");
    w.DragToSolution(InWindow(*label, label->rect().center()));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"XHund"));
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"Der Hund bellt."));
  }
};

QTEST_MAIN(DragTest)
#include "drag_x11_test.moc"
