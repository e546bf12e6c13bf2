// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <exception>

#include "platform/qt/QtText.h"
#include "platform/qt/QtUiServices.h"
#include "ui/main/Form1Captions.h"
#include "ui/main/Form1Layout.h"
#include "ui/main/Form1MenuBar.h"
#include "ui/main/Form1Resize.h"
#include "ui/main/TextFieldBinding.h"
#include "ui/main/TextZoom.h"
#include "ui/common/WindowPlacement.h"
#include "ui/main/UnsavedWork.h"
#include "ui/main/Wiring.h"
#include "ui/main/WordListView.h"
#include "worksheet/EditingCommands.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {

Form1::Form1(QWidget* parent) : QWidget(parent), qtUi_(std::make_unique<QtUiServices>(this)) {
  setObjectName(QStringLiteral("Form1"));
  // The controls sit in the area under the menu bar.
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("Arbeitsflaeche"));
  controls_ = BuildForm1Controls(*area, ExerciseCatalogue());
  CaptionForm1Controls(controls_);
  WireOwnCommands();
  WireExercises();
  WireWordList(*this);
  WireTasksAndSearch(*this);
  WireHelpAndAbout(*this);
  WireFiles(*this);
  const Form1MenuBar menus = BuildForm1MenuBar(*this, controls_, [this] {
    if (sheetDesigner_) sheetDesigner_();
  });
  designSheet_ = menus.designSheet;
  designSheet_->setEnabled(static_cast<bool>(sheetDesigner_));
  FrameForm1(*this, *area, *menus.bar, controls_);
  WireSyllables(*this, menus.exercises);
  WirePractice(*this, menus.practicePage);
  WireReadAloud(*this, menus.readAloud, menus.saveAudio);
  zoom_ = new TextZoom(*this, {controls_.Text1, controls_.Text2, controls_.Liste2});

  // Start: where the window was last time (or in the middle of the screen),
  // the working modes filled and the first one chosen.
  KeepWindowPlace(*this);
  QListWidget* modes = controls_.Liste3;
  modes->clear();
  for (const Text& name : WorkingModeNames()) modes->addItem(ToQString(name));
  ChooseWorkingMode(kModeReplace);
  controls_.Text1->setFocus();
}

Form1::~Form1() = default;

UiServices& Form1::Ui() { return ui_ ? *ui_ : *qtUi_; }

void Form1::SetSheetDesigner(std::function<void()> open) {
  sheetDesigner_ = std::move(open);
  if (designSheet_) designSheet_->setEnabled(static_cast<bool>(sheetDesigner_));
}

void Form1::ShowWorkingModes() {
  QListWidget* modes = controls_.Liste3;
  modes->resize(modes->width(), UnitsToPixels(kWorkingModeListHeightUnits));
  modes->setCurrentRow(sheet_.Liste3);  // the highlight starts on the mode in use
  modes->show();
  modes->raise();
  modes->setFocus();
}

void Form1::ChooseWorkingMode(int mode) {
  mode = mode == kModeExtend ? kModeExtend : kModeReplace;
  sheet_.Liste3 = mode;
  QListWidget* modes = controls_.Liste3;
  modes->setCurrentRow(mode);
  modes->hide();
  setWindowTitle(ToQString(WindowCaption(mode)));
}

void Form1::AskToEnd() {
  if (!ConfirmEnd(Ui())) return;
  endConfirmed_ = true;
  close();
}

void Form1::closeEvent(QCloseEvent* event) {
  // The close box asks the exit question whenever there is work to lose; a
  // second close while the question is open waits for its answer.
  if (!ending_ && !endConfirmed_ && SomethingToLose(controls_)) {
    if (askingToEnd_) return event->ignore();
    askingToEnd_ = true;
    const bool yes = ConfirmEnd(Ui());
    askingToEnd_ = false;
    if (!yes) return event->ignore();
  }
  event->accept();
  if (ending_) return;
  // Closing the main window ends the program: no window may stay behind.
  ending_ = true;
  Q_EMIT EndRequested();
}

void Form1::Run(const Command& command) {
  if (runDepth_ > 0) {
    command(sheet_, Ui());
    return;
  }
  ReadWidgets();
  const Snapshot before = TakeSnapshot();
  ++runDepth_;
  try {
    command(sheet_, Ui());
  } catch (const std::exception&) {
    --runDepth_;
    // The text fields keep what they showed and the half-done texts are
    // dropped; the word list shows whatever state its entries reached.
    if (sheet_.Liste2.Revision() != before.wordListRevision) {
      RedrawWordList(*controls_.Liste2, sheet_.Liste2);
    }
    ReadWidgets();
    Ui().MessageBox(U"Der Befehl konnte nicht ausgeführt werden.\r", style::kOkStop, U"Tesmoran");
    return;
  }
  --runDepth_;
  WriteWidgets(before);
  Q_EMIT WorksheetChanged();
}

void Form1::ReadWidgets() {
  FieldContent original = ReadField(*controls_.Text1);
  sheet_.Text1.text = std::move(original.text);
  sheet_.Text1.selStart = original.selStart;
  sheet_.Text1.selLength = original.selLength;
  sheet_.Text2 = ReadFieldText(*controls_.Text2);
  const QListWidget* words = controls_.Liste2;
  if (static_cast<std::size_t>(words->count()) == sheet_.Liste2.Count()) {
    ReadWordListSelection(*words, sheet_.Liste2);
  }
}

Form1::Snapshot Form1::TakeSnapshot() const {
  return Snapshot{sheet_.Text1.text, sheet_.Text1.selStart, sheet_.Text1.selLength, sheet_.Text2,
                  sheet_.Liste3,     sheet_.Liste2.Revision()};
}

void Form1::WriteWidgets(const Snapshot& before) {
  QPlainTextEdit* original = controls_.Text1;
  const bool originalChanged = sheet_.Text1.text != before.text1;
  if (originalChanged) ReplaceFieldText(*original, sheet_.Text1.text);
  if (originalChanged || sheet_.Text1.selStart != before.selStart ||
      sheet_.Text1.selLength != before.selLength) {
    MarkField(*original, sheet_.Text1.selStart, sheet_.Text1.selLength);
  }
  if (sheet_.Text2 != before.text2) ReplaceFieldText(*controls_.Text2, sheet_.Text2);
  if (sheet_.Liste3 != before.mode) ChooseWorkingMode(sheet_.Liste3);
  if (sheet_.Liste2.Revision() != before.wordListRevision) {
    RedrawWordList(*controls_.Liste2, sheet_.Liste2);
  }
}

}  // namespace tesmoran
