// The main window's own controls: the working modes, the clipboard and copy
// commands, the dropped original text, the exit question, and every
// exercise button of the catalogue.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "platform/qt/QtText.h"
#include "ui/DragLabel.h"
#include "ui/Form1.h"
#include "worksheet/EditingCommands.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {

namespace {

template <class Control>
void OnClick(Form1& form, const char* name, std::function<void()> action) {
  QObject::connect(form.Control<Control>(name), &Control::clicked, &form, std::move(action));
}

}  // namespace

void Form1::WireOwnCommands() {
  OnClick<QToolButton>(*this, "Bild2", [this] { AskToEnd(); });
  OnClick<QToolButton>(*this, "Bild7", [this] { ShowWorkingModes(); });
  auto* modes = Control<QListWidget>("Liste3");
  const auto choose = [this, modes](QListWidgetItem* item) { ChooseWorkingMode(modes->row(item)); };
  connect(modes, &QListWidget::itemClicked, this, choose);
  connect(modes, &QListWidget::itemActivated, this, choose);

  OnClick<QToolButton>(*this, "Bild12", [this] { Run(PasteIntoOriginal); });
  OnClick<QToolButton>(*this, "Bild11", [this] { Run(PasteIntoSolution); });
  OnClick<QToolButton>(*this, "Bild13", [this] { Run([](Worksheet& ws, UiServices&) { ClearSolution(ws); }); });
  OnClick<QPushButton>(*this, "Befehl26", [this] { Run(CopyOriginalToClipboard); });
  OnClick<QPushButton>(*this, "Befehl17", [this] { Run(CopySolutionToClipboard); });
  OnClick<QPushButton>(*this, "Befehl22",
                       [this] { Run([](Worksheet& ws, UiServices&) { OriginalFromSolution(ws); }); });
  OnClick<QPushButton>(*this, "Befehl27",
                       [this] { Run([](Worksheet& ws, UiServices&) { SolutionFromOriginal(ws); }); });

  AcceptControlDrops(*Control<QPlainTextEdit>("Text2"), [this](const QString& caption) {
    const Text dropped = FromQString(caption);
    Run([&dropped](Worksheet& ws, UiServices&) { DropOnSolution(ws, dropped); });
  });
}

void Form1::WireExercises() {
  for (const Exercise& exercise : ExerciseCatalogue()) {
    auto* button = Control<QPushButton>(exercise.button);
    if (!button) continue;
    const Exercise* e = &exercise;
    connect(button, &QPushButton::clicked, this,
            [this, e] { Run([e](Worksheet& ws, UiServices& ui) { RunExercise(*e, ws, ui); }); });
  }
}

}  // namespace tesmoran
