// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the two text fields, the word list, the task list, the
// working-mode list, the exercise and word-list buttons and the icon column.
// It owns the worksheet state of the whole run; every command of the logic
// runs through Run(), which moves the state between the widgets and the
// worksheet.
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"
#include "ui/common/Command.h"
#include "ui/main/Form1Controls.h"

class QAction;

namespace tesmoran {

class QtUiServices;
class TextZoom;

class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The worksheet state of the whole run.
  Worksheet& Sheet() { return sheet_; }
  // The services the logic uses: the real Qt boxes, or the ones set below.
  UiServices& Ui();
  // Tests put a scripted stand-in here; nullptr returns to the real boxes.
  void SetUiServices(UiServices* ui) { ui_ = ui; }

  // Runs one command of the logic: reads the widgets into the worksheet,
  // runs the command and writes back only what changed (a changed text
  // field as one undo step of that field, the word list when its revision
  // changed, the working mode and the caption).  A command started while
  // another one runs (from inside one of its boxes) works on the same
  // worksheet; the outer command writes everything back.
  void Run(const Command& command);

  // Every control of the window, made when the window was.
  const Form1Controls& Controls() const { return controls_; }

  // Shows the working-mode list so that a mode can be chosen.
  void ShowWorkingModes();
  // Makes mode 0 (replace) or 1 (extend) the working mode.
  void ChooseWorkingMode(int mode);
  // The exit question; Yes ends the program.
  void AskToEnd();
  // The next close ends the program without the exit question (the
  // desktop session is ending and the recovery file keeps the worksheet).
  void EndWithoutQuestion() { endConfirmed_ = true; }

  // The zoom of the text fields and the word list.
  TextZoom& Zoom() { return *zoom_; }

  // What "Arbeitsblatt gestalten…" (Ctrl+P) opens, given by the wiring of
  // that window; the menu entry is disabled as long as nothing is given.
  void SetSheetDesigner(std::function<void()> open);

 Q_SIGNALS:
  // Emitted when the user ends the program (Yes to the exit question, or
  // closing the main window); the program then closes every window.
  void EndRequested();
  // Emitted after every command that Run ran to its end.
  void WorksheetChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // What Run compares to find out what a command changed.
  struct Snapshot {
    Text text1;
    std::size_t selStart = 0, selLength = 0;
    Text text2;
    int mode = kModeReplace;
    std::uint64_t wordListRevision = 0;
  };

  void WireOwnCommands();
  void WireExercises();
  void ReadWidgets();
  Snapshot TakeSnapshot() const;
  void WriteWidgets(const Snapshot& before);

  Form1Controls controls_;
  Worksheet sheet_;
  std::unique_ptr<QtUiServices> qtUi_;
  TextZoom* zoom_ = nullptr;
  QAction* designSheet_ = nullptr;
  std::function<void()> sheetDesigner_;
  UiServices* ui_ = nullptr;
  int runDepth_ = 0;
  bool ending_ = false;
  bool endConfirmed_ = false;
  bool askingToEnd_ = false;
};

}  // namespace tesmoran
