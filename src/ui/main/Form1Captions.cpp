// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Form1Captions.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/qt/QtText.h"
#include "ui/main/DragLabel.h"
#include "ui/main/Form1Layout.h"
#include "worksheet/EditingCommands.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

namespace {

using ButtonMember = QPushButton* Form1Controls::*;

// The buttons that are no exercises: the copy buttons of the two text
// groups and the word-list buttons.
const std::pair<ButtonMember, const char*> kCommandCaptions[] = {
    {&Form1Controls::Befehl26, "Ersetze Zwischenablage"},
    {&Form1Controls::Befehl27, "Ersetze Lösungstext"},
    {&Form1Controls::Befehl17, "Ersetze Zwischenablage"},
    {&Form1Controls::Befehl22, "Ersetze Originaltext"},
    {&Form1Controls::Befehl21, "Alle"},
    {&Form1Controls::Befehl24, "Keines"},
    {&Form1Controls::Befehl25, "Löschen"},
    {&Form1Controls::Befehl28, "Sichern"},
    {&Form1Controls::Befehl20, "<=="},
    {&Form1Controls::Befehl23, "Reset"},
    {&Form1Controls::Befehl30, "Ersetze Zwischenablage"},
};

[[noreturn]] void Refuse(const std::string& what, const QPushButton* button) {
  throw std::logic_error(what + " " + button->objectName().toStdString());
}

}  // namespace

std::vector<std::pair<QPushButton*, QString>> ButtonCaptions(const Form1Controls& controls) {
  std::vector<std::pair<QPushButton*, QString>> captions;
  for (const auto& [member, caption] : kCommandCaptions) {
    captions.emplace_back(controls.*member, QString::fromUtf8(caption));
  }
  for (const ExerciseButton& exercise : controls.exercises) {
    captions.emplace_back(exercise.button, ToQString(exercise.exercise->caption));
  }
  const auto captionsOf = [&captions](const QPushButton* button) {
    return std::count_if(captions.begin(), captions.end(), [button](const auto& c) { return c.first == button; });
  };
  for (const auto& caption : captions) {
    if (captionsOf(caption.first) > 1) Refuse("Mehrfach beschriftet:", caption.first);
  }
  for (QPushButton* button : AllButtons(controls)) {
    if (captionsOf(button) == 0) Refuse("Ohne Beschriftung:", button);
  }
  return captions;
}

void CaptionForm1Controls(const Form1Controls& controls) {
  controls.Bezeichnung7->setText(ToQString(kOriginalLabelCaption));
  controls.Bezeichnung2->setText(QStringLiteral("L ö s u n g s t e x t "));
  controls.Bezeichnung1->setText(QStringLiteral("W ö r t e r l i s t e"));
  for (const auto& [button, caption] : ButtonCaptions(controls)) button->setText(caption);
}

}  // namespace tesmoran
