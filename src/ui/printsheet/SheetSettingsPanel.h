// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of the Arbeitsblatt window as controls, one for each row of
// SheetSettingFields, in titled boxes: font and spacing, syllable marks,
// head, writing lines, answer key and paper.  Every change is announced by
// Changed().
#include <QColor>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "printsheet/SheetSettings.h"

class QFormLayout;
class QLabel;
class QPushButton;

namespace tesmoran {

struct SheetSettingField;

class SheetSettingsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SheetSettingsPanel(QWidget* parent = nullptr);

  SheetSettings Settings() const;
  // Shows the settings without announcing a change.
  void Show(const SheetSettings& settings);

  // Without a syllable engine the syllable controls are off and a note says why.
  void SetSyllablesAvailable(bool available);

  // How a colour is chosen; tests put their own choice here.
  std::function<QColor(const QColor& current, QWidget* parent)> chooseColour;

 Q_SIGNALS:
  void Changed();
  void EditExceptionsRequested();

 private:
  QWidget* AddControl(const SheetSettingField& field, QFormLayout* form);
  void AddAfterGroup(std::string_view group, QFormLayout* form);
  void ConnectControl(const SheetSettingField& field, QWidget* control);
  void ChooseColour(const SheetSettingField& field, QPushButton* button);
  void ShowColour(QPushButton* button, const Rgb& colour);
  void UpdateEnabled();

  std::vector<QWidget*> controls_;  // one for each row, in the rows' order
  QPushButton* exceptions_ = nullptr;
  QLabel* syllableNote_ = nullptr;
  SheetSettings colours_;  // the colours the buttons show
  bool syllablesAvailable_ = true;
  bool showing_ = false;
};

}  // namespace tesmoran
