// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows make their controls: the exercise buttons the catalogue
// gives, and the shared colour and icon helpers.
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "form1_test_support.h"
#include "ui/common/Colour.h"
#include "ui/common/IconButton.h"
#include "ui/main/Form1Layout.h"
#include "worksheet/ExerciseCatalogue.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

using Change = std::function<void(std::vector<Exercise>&)>;

std::vector<Exercise>::iterator ExerciseOn(std::vector<Exercise>& catalogue, const char* button) {
  return std::find_if(catalogue.begin(), catalogue.end(),
                      [button](const Exercise& e) { return std::strcmp(e.button, button) == 0; });
}

// Gives the exercise of button `from` the button name `to`.
Change Rename(const char* from, const char* to) {
  return [from, to](std::vector<Exercise>& catalogue) { ExerciseOn(catalogue, from)->button = to; };
}

// Puts the exercise of button `button` into another cell of the grid.
Change Move(const char* button, GridCell cell) {
  return [button, cell](std::vector<Exercise>& catalogue) { ExerciseOn(catalogue, button)->cell = cell; };
}

}  // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(tesmoran::Ground)

class ControlsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  // A catalogue whose buttons do not fit the window stops the start and says
  // which button is wrong: no two buttons on one cell or with one name, none
  // outside the grid, none that takes the name of another control.
  void catalogueThatDoesNotFitTheGridIsRefused_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("named");
    QTest::newRow("two exercises on one cell") << Move("Befehl14", {0, 0}) << "Befehl14";
    QTest::newRow("cell below the grid") << Move("Befehl14", {kExerciseGridRows, 0}) << "Befehl14";
    QTest::newRow("cell right of the grid") << Move("Befehl14", {0, kExerciseGridColumns}) << "Befehl14";
    QTest::newRow("cell above the grid") << Move("Befehl14", {-1, 4}) << "Befehl14";
    QTest::newRow("cell left of the grid") << Move("Befehl14", {0, -1}) << "Befehl14";
    QTest::newRow("two exercises with one name") << Rename("Befehl14", "Befehl1") << "Befehl1";
    QTest::newRow("name of an icon") << Rename("Befehl14", "Bild8") << "Bild8";
    QTest::newRow("name of a text field") << Rename("Befehl14", "Text1") << "Text1";
    QTest::newRow("button of the word list") << Rename("Befehl14", "Befehl20") << "Befehl20";
  }
  void catalogueThatDoesNotFitTheGridIsRefused() {
    QFETCH(Change, change);
    QFETCH(QString, named);
    std::vector<Exercise> catalogue = ExerciseCatalogue();
    change(catalogue);
    QWidget area;
    QString refusal;
    try {
      BuildForm1Controls(area, catalogue);
    } catch (const std::logic_error& e) {
      refusal = QString::fromUtf8(e.what());
    }
    QVERIFY2(refusal.endsWith(' ' + named), qPrintable(refusal));
  }

  // Every entry of the catalogue, and nothing else, has its button, in the
  // catalogue's order, under the entry's name and with its caption.
  void everyCatalogueEntryHasItsButton() {
    Form1 form;
    const std::vector<Exercise>& catalogue = ExerciseCatalogue();
    const std::vector<ExerciseButton>& buttons = form.Controls().exercises;
    QCOMPARE(buttons.size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
      QCOMPARE(buttons[i].exercise, &catalogue[i]);
      QCOMPARE(buttons[i].button, Child<QPushButton>(form, catalogue[i].button));
      QCOMPARE(buttons[i].button->text(), ToQString(catalogue[i].caption));
    }
  }

  // The buttons of the grid lie in their cells: one step of the grid apart
  // along a row and down a column, none overlapping another.
  void exerciseButtonsLieInTheirCells() {
    Form1 form;
    const std::vector<ExerciseButton>& buttons = form.Controls().exercises;
    const auto at = [&buttons](GridCell cell) {
      const auto found = std::find_if(buttons.begin(), buttons.end(),
                                      [cell](const ExerciseButton& b) { return b.exercise->cell == cell; });
      return found == buttons.end() ? nullptr : found->button;
    };
    const QPushButton* topLeft = at({0, 0});
    const QPushButton* right = at({0, 1});
    const QPushButton* below = at({1, 0});
    QVERIFY(topLeft && right && below);
    const QPoint columnStep = right->pos() - topLeft->pos();
    const QPoint rowStep = below->pos() - topLeft->pos();
    QCOMPARE(columnStep.y(), 0);
    QCOMPARE(rowStep.x(), 0);
    QVERIFY(columnStep.x() > topLeft->width() && rowStep.y() > topLeft->height());
    for (const ExerciseButton& b : buttons) {
      const GridCell cell = b.exercise->cell;
      QCOMPARE(b.button->pos(), topLeft->pos() + cell.column * columnStep + cell.row * rowStep);
      QCOMPARE(b.button->size(), topLeft->size());
    }
  }

  void colourCoversTheGroundAndInksTheText_data() {
    QTest::addColumn<Ground>("ground");
    QTest::addColumn<int>("paperRole");
    QTest::addColumn<int>("inkRole");
    QTest::addColumn<bool>("filled");
    QTest::newRow("window of a label") << Ground::kWindow << int(QPalette::Window) << int(QPalette::WindowText) << true;
    QTest::newRow("writing area of a field")
        << Ground::kWritingArea << int(QPalette::Base) << int(QPalette::Text) << false;
  }
  void colourCoversTheGroundAndInksTheText() {
    QFETCH(Ground, ground);
    QFETCH(int, paperRole);
    QFETCH(int, inkRole);
    QFETCH(bool, filled);
    QLabel control;
    Colour(control, ground, QColor(1, 2, 3), QColor(4, 5, 6));
    QCOMPARE(control.palette().color(QPalette::ColorRole(paperRole)), QColor(1, 2, 3));
    QCOMPARE(control.palette().color(QPalette::ColorRole(inkRole)), QColor(4, 5, 6));
    QCOMPARE(control.autoFillBackground(), filled);
    Colour(control, ground, QColor(7, 8, 9));  // without an ink the text keeps its colour
    QCOMPARE(control.palette().color(QPalette::ColorRole(paperRole)), QColor(7, 8, 9));
    QCOMPARE(control.palette().color(QPalette::ColorRole(inkRole)), QColor(4, 5, 6));
  }

  void iconButtonShowsItsPictureFlat() {
    QWidget parent;
    QToolButton* icon = MakeIconButton(parent, "Bild8", 495, QStringLiteral("Wörterliste"));
    QVERIFY(!icon->icon().isNull());
    QCOMPARE(icon->iconSize(), QSize(29, 29));  // 33 pixels less the margin
    QCOMPARE(icon->accessibleName(), QStringLiteral("Wörterliste"));
  }

  void iconWithoutPictureIsRefused() { QVERIFY_THROWS_EXCEPTION(std::logic_error, IconPicture("Bild14")); }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
