// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Form1Layout.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>

#include "ui/common/Colour.h"
#include "ui/common/ControlFonts.h"
#include "ui/main/DragLabel.h"
#include "ui/common/IconButton.h"
#include "ui/common/IconHelp.h"
#include "worksheet/EditingCommands.h"

namespace tesmoran {

namespace {

const QColor kOriginalBackground(255, 192, 192);
const QColor kOriginalInk(0, 0, 128);
const QColor kSolutionBackground(192, 255, 192);
const QColor kWordListBackground(255, 255, 224);
const QColor kTaskListBackground(224, 224, 224);

constexpr int kButtonHeight = 375;
constexpr int kSmallButtonHeight = 255;
constexpr int kLabelHeight = 255;
constexpr int kIconSize = 495;
constexpr int kIconLeft = 120;
// From one exercise button to the next in a row, and to the next row.
constexpr int kGridColumnStep = 1560;
constexpr int kGridRowStep = 480;

using ExerciseButtons = std::vector<ExerciseButton>;

// Which member of Form1Controls a row of the table fills.
using Member = std::variant<QToolButton* Form1Controls::*, QPushButton* Form1Controls::*, DragLabel* Form1Controls::*,
                            QLabel* Form1Controls::*, QPlainTextEdit* Form1Controls::*,
                            QListWidget* Form1Controls::*, QFrame* Form1Controls::*, ExerciseButtons Form1Controls::*>;

struct ControlPlace {
  const char* name;  // the member's name, which the control carries as its object name
  Member member;
  int left, top, width, height;  // units; for the exercise buttons, the button in the grid's top left cell
};

// A member together with its name: the name cannot differ from the member.
#define TESMORAN_CONTROL(member) #member, &Form1Controls::member

ControlPlace Icon(const char* name, QToolButton* Form1Controls::*member, int top) {
  return {name, member, kIconLeft, top, kIconSize, kIconSize};
}

ControlPlace Button(const char* name, QPushButton* Form1Controls::*member, int left, int top, int width,
                    int height = kButtonHeight) {
  return {name, member, left, top, width, height};
}

// Every control, in tab order; the frames come last and lie behind
// everything.
const std::vector<ControlPlace>& Form1Places() {
  static const std::vector<ControlPlace> places = {
      Icon(TESMORAN_CONTROL(Bild2), 120), Icon(TESMORAN_CONTROL(Bild5), 720), Icon(TESMORAN_CONTROL(Bild6), 1320),
      Icon(TESMORAN_CONTROL(Bild9), 1920), Icon(TESMORAN_CONTROL(Bild1), 2520), Icon(TESMORAN_CONTROL(Bild8), 3120),
      Icon(TESMORAN_CONTROL(Bild10), 3720), Icon(TESMORAN_CONTROL(Bild12), 4320),
      Icon(TESMORAN_CONTROL(Bild11), 4920), Icon(TESMORAN_CONTROL(Bild7), 5520),
      Icon(TESMORAN_CONTROL(Bild13), 6120), Icon(TESMORAN_CONTROL(Bild4), 6720), Icon(TESMORAN_CONTROL(Bild3), 7320),
      Button(TESMORAN_CONTROL(Befehl26), 840, 120, 2535, kSmallButtonHeight),
      // The heading labels lie exactly between their two buttons: drawn
      // from 3360 with 2775 units they would cover a pixel of each button's
      // edge; their centre, and so their text, is the same.
      {TESMORAN_CONTROL(Bezeichnung7), 3375, 120, 2745, kLabelHeight},
      Button(TESMORAN_CONTROL(Befehl27), 6120, 120, 2415, kSmallButtonHeight),
      {TESMORAN_CONTROL(Text1), 840, 360, 7695, 2535},
      {TESMORAN_CONTROL(Liste1), 840, 360, 7695, 2565},
      Button(TESMORAN_CONTROL(Befehl17), 840, 3000, 2535, kSmallButtonHeight),
      {TESMORAN_CONTROL(Bezeichnung2), 3375, 3000, 2745, kLabelHeight},
      Button(TESMORAN_CONTROL(Befehl22), 6120, 3000, 2415, kSmallButtonHeight),
      {TESMORAN_CONTROL(Text2), 840, 3240, 7695, 2655},
      {TESMORAN_CONTROL(exercises), 840, 6000, 1455, kButtonHeight},
      {TESMORAN_CONTROL(Bezeichnung1), 8760, 120, 2295, kLabelHeight},
      {TESMORAN_CONTROL(Liste2), 8760, 360, 2295, 5550},
      Button(TESMORAN_CONTROL(Befehl21), 8760, 6000, 1095), Button(TESMORAN_CONTROL(Befehl24), 9960, 6000, 1095),
      Button(TESMORAN_CONTROL(Befehl25), 8760, 6480, 1095), Button(TESMORAN_CONTROL(Befehl28), 9960, 6480, 1095),
      Button(TESMORAN_CONTROL(Befehl20), 8760, 6960, 1095), Button(TESMORAN_CONTROL(Befehl23), 9960, 6960, 1095),
      Button(TESMORAN_CONTROL(Befehl30), 8760, 7440, 2295),
      {TESMORAN_CONTROL(Liste3), 480, 4800, 2295, kWorkingModeListHeightUnits},
      {TESMORAN_CONTROL(Figur1), 75, 75, 600, 7770},
      {TESMORAN_CONTROL(Figur2), 780, 75, 7815, 2865},
      {TESMORAN_CONTROL(Figur3), 780, 2955, 7815, 2985},
      {TESMORAN_CONTROL(Figur4), 780, 5955, 7815, 1890},
      {TESMORAN_CONTROL(Figur5), 8700, 75, 2415, 7770},
  };
  return places;
}

#undef TESMORAN_CONTROL

// The look every control of one kind shares.
void Dress(QPushButton& button) {
  button.setFont(ControlFont());
  button.setAutoDefault(false);
}

void Dress(QLabel& label) {
  label.setFont(ControlFont(true));
  label.setAlignment(Qt::AlignCenter);
  label.setTextFormat(Qt::PlainText);
}

void Dress(QPlainTextEdit& field) {
  field.setFont(TextFieldFont());
  field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  field.setTabChangesFocus(true);
}

void Dress(QListWidget& list) {
  list.setFont(ControlFont());
  list.setSelectionMode(QAbstractItemView::SingleSelection);
}

void Dress(QFrame& shape) {
  shape.setFrameShape(QFrame::Box);
  shape.setFrameShadow(QFrame::Plain);
  shape.setForegroundRole(QPalette::Mid);
  shape.setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Every icon but the help icon is described by its help text; an icon the
// help window forgot stops the start.
QToolButton* MakeIcon(QWidget& form, const ControlPlace& place) {
  const bool helpIcon = std::get<QToolButton* Form1Controls::*>(place.member) == &Form1Controls::Bild4;
  const QString tip = helpIcon ? QStringLiteral("Hilfe zu den Symbolen") : HelpTextForMainIcon(place.name);
  if (tip.isEmpty()) throw std::logic_error(std::string("Kein Hilfetext für das Symbol ") + place.name);
  QToolButton* icon = MakeIconButton(form, place.name, place.width, tip);
  icon->setFocusPolicy(Qt::StrongFocus);
  icon->setToolTip(tip);
  return icon;
}

template <class T>
T* Make(QWidget& form, const ControlPlace& place) {
  if constexpr (std::is_same_v<T, QToolButton>) {
    return MakeIcon(form, place);
  } else {
    T* control = nullptr;
    if constexpr (std::is_same_v<T, DragLabel>) {
      control = new DragLabel(QString(), &form);
    } else {
      control = new T(&form);
    }
    Dress(*control);
    return control;
  }
}

// The looks that single controls have beyond those of their kind.
void DressSingleControls(const Form1Controls& c) {
  Colour(*c.Text1, Ground::kWritingArea, kOriginalBackground, kOriginalInk);
  Colour(*c.Text2, Ground::kWritingArea, kSolutionBackground, QColor(Qt::black));
  Colour(*c.Bezeichnung7, Ground::kWindow, kOriginalBackground, QColor(Qt::black));
  Colour(*c.Bezeichnung2, Ground::kWindow, kSolutionBackground, QColor(Qt::black));
  Colour(*c.Bezeichnung1, Ground::kWindow, kWordListBackground, QColor(Qt::black));

  c.Liste2->setSelectionMode(QAbstractItemView::MultiSelection);
  c.Liste2->setUniformItemSizes(true);
  Colour(*c.Liste2, Ground::kWritingArea, kWordListBackground, QColor(Qt::black));

  c.Liste3->setFont(ControlFont(true));
  c.Liste3->setFrameShape(QFrame::Box);
  c.Liste3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Colour(*c.Liste3, Ground::kWritingArea, Qt::white, QColor(Qt::black));

  Colour(*c.Liste1, Ground::kWritingArea, kTaskListBackground, QColor(Qt::black));

  // The lists that appear on demand are hidden at the start and lie above
  // the controls they cover.
  for (QListWidget* onDemand : {c.Liste1, c.Liste3}) {
    onDemand->hide();
    onDemand->raise();
  }
}

// The table fills every member of Form1Controls exactly once: no member
// twice, and as many rows as the struct has members (all of them pointers
// but the exercise buttons).
void CheckEveryControlPlacedOnce() {
  const std::vector<ControlPlace>& places = Form1Places();
  for (auto place = places.begin(); place != places.end(); ++place) {
    for (auto later = place + 1; later != places.end(); ++later) {
      if (later->member == place->member) throw std::logic_error(std::string("Zweimal platziert: ") + later->name);
    }
  }
  constexpr std::size_t kMembers = (sizeof(Form1Controls) - sizeof(ExerciseButtons)) / sizeof(QWidget*) + 1;
  if (places.size() != kMembers) throw std::logic_error("Nicht jedes Steuerelement des Hauptfensters ist platziert");
}

// Every entry of the catalogue gets a button of its own in a cell of its own.
void CheckExerciseGrid(const std::vector<Exercise>& catalogue) {
  for (auto entry = catalogue.begin(); entry != catalogue.end(); ++entry) {
    const std::string name = entry->button;
    if (name.empty()) throw std::logic_error("Eine Übung des Katalogs hat keinen Knopfnamen");
    const GridCell cell = entry->cell;
    if (cell.row < 0 || cell.row >= kExerciseGridRows || cell.column < 0 || cell.column >= kExerciseGridColumns) {
      throw std::logic_error("Außerhalb des Übungsrasters: " + name);
    }
    for (const ControlPlace& place : Form1Places()) {
      if (name == place.name) throw std::logic_error("Name eines anderen Steuerelements: " + name);
    }
    for (auto earlier = catalogue.begin(); earlier != entry; ++earlier) {
      if (name == earlier->button) throw std::logic_error("Zwei Übungen für einen Knopf: " + name);
      if (cell == earlier->cell) throw std::logic_error("Zwei Übungen auf einem Feld des Rasters: " + name);
    }
  }
}

// Row by row, each row from the left: the tab order of the exercise buttons.
bool BeforeInTabOrder(const ExerciseButton& a, const ExerciseButton& b) {
  const GridCell& ca = a.exercise->cell;
  const GridCell& cb = b.exercise->cell;
  return ca.row != cb.row ? ca.row < cb.row : ca.column < cb.column;
}

// The exercise buttons in the order of the catalogue, made in tab order;
// `grid` is the place of the button in the top left cell.
ExerciseButtons MakeExerciseButtons(QWidget& form, const ControlPlace& grid, const std::vector<Exercise>& catalogue) {
  ExerciseButtons buttons;
  for (const Exercise& exercise : catalogue) buttons.push_back({&exercise, nullptr});
  std::vector<ExerciseButton*> tabOrder;
  for (ExerciseButton& b : buttons) tabOrder.push_back(&b);
  std::sort(tabOrder.begin(), tabOrder.end(), [](const auto* a, const auto* b) { return BeforeInTabOrder(*a, *b); });
  for (ExerciseButton* made : tabOrder) {
    const Exercise& exercise = *made->exercise;
    made->button = new QPushButton(&form);
    Dress(*made->button);
    made->button->setObjectName(QString::fromLatin1(exercise.button));
    made->button->setGeometry(UnitsToPixels(grid.left + exercise.cell.column * kGridColumnStep),
                              UnitsToPixels(grid.top + exercise.cell.row * kGridRowStep), UnitsToPixels(grid.width),
                              UnitsToPixels(grid.height));
  }
  return buttons;
}

}  // namespace

Form1Controls BuildForm1Controls(QWidget& form, const std::vector<Exercise>& catalogue) {
  CheckEveryControlPlacedOnce();
  CheckExerciseGrid(catalogue);
  Form1Controls controls;
  for (const ControlPlace& place : Form1Places()) {
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), ExerciseButtons Form1Controls::*>) {
            controls.*member = MakeExerciseButtons(form, place, catalogue);
          } else {
            using T = std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
            T* control = Make<T>(form, place);
            control->setObjectName(QString::fromLatin1(place.name));
            control->setGeometry(UnitsToPixels(place.left), UnitsToPixels(place.top), UnitsToPixels(place.width),
                                 UnitsToPixels(place.height));
            if constexpr (std::is_same_v<T, QFrame>) control->lower();
            controls.*member = control;
          }
        },
        place.member);
  }
  DressSingleControls(controls);
  return controls;
}

QPushButton* ButtonNamed(const Form1Controls& controls, std::string_view name) {
  for (const ControlPlace& place : Form1Places()) {
    const auto* button = std::get_if<QPushButton* Form1Controls::*>(&place.member);
    if (button && name == place.name) return controls.**button;
  }
  for (const ExerciseButton& exercise : controls.exercises) {
    if (name == exercise.exercise->button) return exercise.button;
  }
  return nullptr;
}

std::vector<QPushButton*> AllButtons(const Form1Controls& controls) {
  std::vector<QPushButton*> buttons;
  for (const ControlPlace& place : Form1Places()) {
    if (const auto* button = std::get_if<QPushButton* Form1Controls::*>(&place.member)) {
      buttons.push_back(controls.**button);
    } else if (std::holds_alternative<ExerciseButtons Form1Controls::*>(place.member)) {
      ExerciseButtons tabOrder = controls.exercises;
      std::sort(tabOrder.begin(), tabOrder.end(), BeforeInTabOrder);
      for (const ExerciseButton& exercise : tabOrder) buttons.push_back(exercise.button);
    }
  }
  return buttons;
}

}  // namespace tesmoran
