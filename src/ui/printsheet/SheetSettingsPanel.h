// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of the Arbeitsblatt window as controls: font and spacing,
// syllable marks, head, writing lines, answer key and paper.  Every change
// is announced by Changed().
#include <QColor>
#include <QWidget>
#include <functional>

#include "printsheet/SheetSettings.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tesmoran {

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
  QSpinBox* AddSpin(const char* name, const IntRange& range, const QString& suffix);
  void ChooseColour(QPushButton* button, Rgb& colour);
  void ShowColour(QPushButton* button, const Rgb& colour);
  void UpdateEnabled();

  QFontComboBox* font_ = nullptr;
  QSpinBox *size_ = nullptr, *lineSpacing_ = nullptr, *letterSpacing_ = nullptr, *wordSpacing_ = nullptr;
  QComboBox *marks_ = nullptr, *kind_ = nullptr;
  QPushButton *firstColour_ = nullptr, *secondColour_ = nullptr, *exceptions_ = nullptr;
  QLabel* syllableNote_ = nullptr;
  QLineEdit* title_ = nullptr;
  QCheckBox *nameAndDate_ = nullptr, *answerKey_ = nullptr;
  QSpinBox* rows_ = nullptr;
  QComboBox* ruling_ = nullptr;
  QSpinBox *upper_ = nullptr, *middle_ = nullptr, *lower_ = nullptr, *rowGap_ = nullptr, *plainRow_ = nullptr;
  QComboBox* paper_ = nullptr;
  Rgb first_, second_;
  bool syllablesAvailable_ = true;
  bool showing_ = false;
};

}  // namespace tesmoran
