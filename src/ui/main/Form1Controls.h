// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every control of the main window as a typed pointer, filled once where the
// window's layout is built.  A member carries the name of its control: the
// control's object name is the member's name, so code that uses a control
// names it through this struct and a misspelt name does not compile.  The
// exercise buttons are made from the exercise catalogue instead: each takes
// the control name, caption and grid cell of its catalogue entry.
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tesmoran {

class DragLabel;
struct Exercise;

// An exercise button and the catalogue entry it runs.
struct ExerciseButton {
  const Exercise* exercise = nullptr;
  QPushButton* button = nullptr;
};

struct Form1Controls {
  // The icon column, top to bottom: exit question, file window, save, print,
  // task list, word list, search and replace, paste into the original text,
  // paste into the solution text, working modes, clear the solution text,
  // help, about.
  QToolButton *Bild2 = nullptr, *Bild5 = nullptr, *Bild6 = nullptr, *Bild9 = nullptr, *Bild1 = nullptr,
              *Bild8 = nullptr, *Bild10 = nullptr, *Bild12 = nullptr, *Bild11 = nullptr, *Bild7 = nullptr,
              *Bild13 = nullptr, *Bild4 = nullptr, *Bild3 = nullptr;

  // The original text group: its label (dragged onto the solution text), its
  // field, the task list shown over the field, and the two copy buttons.
  DragLabel* Bezeichnung7 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QListWidget* Liste1 = nullptr;
  QPushButton *Befehl26 = nullptr, *Befehl27 = nullptr;

  // The solution text group.
  QLabel* Bezeichnung2 = nullptr;
  QPlainTextEdit* Text2 = nullptr;
  QPushButton *Befehl17 = nullptr, *Befehl22 = nullptr;

  // The exercise buttons, one for each entry of the exercise catalogue and
  // in the catalogue's order.
  std::vector<ExerciseButton> exercises;

  // The word list group: label, list and the seven word-list buttons.
  QLabel* Bezeichnung1 = nullptr;
  QListWidget* Liste2 = nullptr;
  QPushButton *Befehl21 = nullptr, *Befehl24 = nullptr, *Befehl25 = nullptr, *Befehl28 = nullptr,
              *Befehl20 = nullptr, *Befehl23 = nullptr, *Befehl30 = nullptr;

  // The working-mode list, shown only while a mode is chosen.
  QListWidget* Liste3 = nullptr;

  // The frames around the icon column, the two text groups, the exercise
  // buttons and the word-list group.
  QFrame *Figur1 = nullptr, *Figur2 = nullptr, *Figur3 = nullptr, *Figur4 = nullptr, *Figur5 = nullptr;
};

}  // namespace tesmoran
