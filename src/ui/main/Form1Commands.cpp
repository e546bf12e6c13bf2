// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own controls: the working modes, the clipboard and copy
// commands, the dropped original text, the exit question, and every
// exercise button of the catalogue.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "platform/qt/QtText.h"
#include "ui/main/CopyOnlyDrag.h"
#include "ui/main/DragLabel.h"
#include "ui/main/Form1.h"
#include "ui/main/ModeChooser.h"
#include "worksheet/EditingCommands.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

namespace {

template <class Button>
void OnClick(Form1& form, Button* button, std::function<void()> action) {
  QObject::connect(button, &Button::clicked, &form, std::move(action));
}

}  // namespace

void Form1::WireOwnCommands() {
  const Form1Controls& c = controls_;
  OnClick(*this, c.Bild2, [this] { AskToEnd(); });
  OnClick(*this, c.Bild7, [this] { ShowWorkingModes(); });
  WatchModeChoice(*c.Liste3, [this](int row) { ChooseWorkingMode(row); });

  OnClick(*this, c.Bild12, [this] { Run(PasteIntoOriginal); });
  OnClick(*this, c.Bild11, [this] { Run(PasteIntoSolution); });
  OnClick(*this, c.Bild13, [this] { Run([](Worksheet& ws, UiServices&) { ClearSolution(ws); }); });
  OnClick(*this, c.Befehl26, [this] { Run(CopyOriginalToClipboard); });
  OnClick(*this, c.Befehl17, [this] { Run(CopySolutionToClipboard); });
  OnClick(*this, c.Befehl22, [this] { Run([](Worksheet& ws, UiServices&) { OriginalFromSolution(ws); }); });
  OnClick(*this, c.Befehl27, [this] { Run([](Worksheet& ws, UiServices&) { SolutionFromOriginal(ws); }); });

  DragOutAsCopy(*c.Text1);
  RefuseTextFrom(*c.Text2, *c.Text1);
  AcceptControlDrops(*c.Text2, [this](const QString& caption) {
    const Text dropped = FromQString(caption);
    Run([&dropped](Worksheet& ws, UiServices&) { DropOnSolution(ws, dropped); });
  });
}

void Form1::WireExercises() {
  for (const ExerciseButton& exercise : controls_.exercises) {
    const Exercise* e = exercise.exercise;
    connect(exercise.button, &QPushButton::clicked, this,
            [this, e] { Run([e](Worksheet& ws, UiServices& ui) { RunExercise(*e, ws, ui); }); });
  }
}

}  // namespace tesmoran
