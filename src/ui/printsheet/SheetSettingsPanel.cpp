// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printsheet/SheetSettingsPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"
#include "printsheet/qt/SheetFonts.h"
#include "printsheet/SheetSettingFields.h"

namespace tesmoran {
namespace {

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

QFormLayout* Group(QVBoxLayout* column, const QString& caption) {
  auto* group = new QGroupBox(caption);
  auto* form = new QFormLayout(group);
  column->addWidget(group);
  return form;
}

}  // namespace

SheetSettingsPanel::SheetSettingsPanel(QWidget* parent) : QWidget(parent) {
  chooseColour = [](const QColor& current, QWidget* p) {
    return QColorDialog::getColor(current, p, QStringLiteral("Silbenfarbe wählen"));
  };
  auto* column = new QVBoxLayout(this);
  QFormLayout* form = nullptr;
  std::string_view group;
  for (const SheetSettingField& field : SheetSettingFields()) {
    if (!form || field.group != group) {
      if (form) AddAfterGroup(group, form);
      group = field.group;
      form = Group(column, Q(group));
    }
    controls_.push_back(AddControl(field, form));
  }
  if (form) AddAfterGroup(group, form);
  column->addStretch(1);

  for (std::size_t i = 0; i < controls_.size(); ++i) ConnectControl(SheetSettingFields()[i], controls_[i]);
  connect(exceptions_, &QPushButton::clicked, this, &SheetSettingsPanel::EditExceptionsRequested);
  Show(SheetSettings());
}

QWidget* SheetSettingsPanel::AddControl(const SheetSettingField& field, QFormLayout* form) {
  QWidget* control = nullptr;
  switch (field.kind) {
    case FieldKind::kNumber: {
      auto* spin = new QSpinBox;
      spin->setRange(field.range.min, field.range.max);
      spin->setSuffix(Q(field.caption));
      control = spin;
      break;
    }
    case FieldKind::kChoice: {
      auto* box = new QComboBox;
      box->addItems(Q(field.caption).split(QLatin1Char('|')));
      control = box;
      break;
    }
    case FieldKind::kSwitch: control = new QCheckBox(Q(field.caption)); break;
    case FieldKind::kText: control = new QLineEdit; break;
    case FieldKind::kFont: control = new QFontComboBox; break;
    case FieldKind::kColour: control = new QPushButton(Q(field.caption)); break;
  }
  control->setObjectName(Q(field.name));
  if (!field.toolTip.empty()) control->setToolTip(Q(field.toolTip));
  // A check box spans the row with its own text; the rest stand behind
  // their label, or behind none.
  if (field.kind == FieldKind::kSwitch) {
    form->addRow(control);
  } else {
    form->addRow(Q(field.label), control);
  }
  return control;
}

// The controls that are no setting, at the end of their box.
void SheetSettingsPanel::AddAfterGroup(std::string_view group, QFormLayout* form) {
  if (group != "Silben") return;
  exceptions_ = new QPushButton(QStringLiteral("Silben-Ausnahmen bearbeiten…"));
  exceptions_->setObjectName(QStringLiteral("ausnahmen"));
  form->addRow(exceptions_);
  syllableNote_ = new QLabel(QStringLiteral("Die Silbentrennung ist nicht verfügbar; Silben werden nicht markiert."));
  syllableNote_->setObjectName(QStringLiteral("silbenhinweis"));
  syllableNote_->setWordWrap(true);
  syllableNote_->hide();
  form->addRow(syllableNote_);
}

void SheetSettingsPanel::ConnectControl(const SheetSettingField& field, QWidget* control) {
  const auto changed = [this] {
    UpdateEnabled();
    if (!showing_) Q_EMIT Changed();
  };
  switch (field.kind) {
    case FieldKind::kNumber: connect(static_cast<QSpinBox*>(control), &QSpinBox::valueChanged, this, changed); break;
    case FieldKind::kChoice:
      connect(static_cast<QComboBox*>(control), &QComboBox::currentIndexChanged, this, changed);
      break;
    case FieldKind::kSwitch: connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, this, changed); break;
    case FieldKind::kText: connect(static_cast<QLineEdit*>(control), &QLineEdit::textChanged, this, changed); break;
    case FieldKind::kFont:
      connect(static_cast<QFontComboBox*>(control), &QFontComboBox::currentFontChanged, this, changed);
      break;
    case FieldKind::kColour: {
      auto* button = static_cast<QPushButton*>(control);
      connect(button, &QPushButton::clicked, this, [this, &field, button] { ChooseColour(field, button); });
      break;
    }
  }
}

void SheetSettingsPanel::ChooseColour(const SheetSettingField& field, QPushButton* button) {
  Rgb& colour = colours_.*field.colour;
  const QColor chosen = chooseColour(QColor(colour.r, colour.g, colour.b), this);
  if (!chosen.isValid()) return;
  colour = Rgb{std::uint8_t(chosen.red()), std::uint8_t(chosen.green()), std::uint8_t(chosen.blue())};
  ShowColour(button, colour);
  Q_EMIT Changed();
}

void SheetSettingsPanel::ShowColour(QPushButton* button, const Rgb& c) {
  button->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QColor(c.r, c.g, c.b).name()));
}

void SheetSettingsPanel::UpdateEnabled() {
  const SheetSettings s = Settings();
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const SheetSettingField& f = SheetSettingFields()[i];
    if (!f.needsSyllables && !f.applies) continue;
    controls_[i]->setEnabled((!f.needsSyllables || syllablesAvailable_) && (!f.applies || f.applies(s)));
  }
}

void SheetSettingsPanel::SetSyllablesAvailable(bool available) {
  syllablesAvailable_ = available;
  syllableNote_->setVisible(!available);
  UpdateEnabled();
}

SheetSettings SheetSettingsPanel::Settings() const {
  SheetSettings s;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const SheetSettingField& f = SheetSettingFields()[i];
    QWidget* control = controls_[i];
    switch (f.kind) {
      case FieldKind::kNumber: s.*f.number = static_cast<QSpinBox*>(control)->value(); break;
      case FieldKind::kChoice: f.choice.set(s, static_cast<QComboBox*>(control)->currentIndex()); break;
      case FieldKind::kSwitch: s.*f.flag = static_cast<QCheckBox*>(control)->isChecked(); break;
      case FieldKind::kText: s.*f.text = FromQString(static_cast<QLineEdit*>(control)->text()); break;
      case FieldKind::kFont:
        s.*f.text = FromQString(static_cast<QFontComboBox*>(control)->currentFont().family());
        break;
      case FieldKind::kColour: s.*f.colour = colours_.*f.colour; break;
    }
  }
  return s;
}

void SheetSettingsPanel::Show(const SheetSettings& in) {
  const SheetSettings s = Clamped(in);
  showing_ = true;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const SheetSettingField& f = SheetSettingFields()[i];
    QWidget* control = controls_[i];
    switch (f.kind) {
      case FieldKind::kNumber: static_cast<QSpinBox*>(control)->setValue(s.*f.number); break;
      case FieldKind::kChoice: static_cast<QComboBox*>(control)->setCurrentIndex(f.choice.get(s)); break;
      case FieldKind::kSwitch: static_cast<QCheckBox*>(control)->setChecked(s.*f.flag); break;
      case FieldKind::kText: static_cast<QLineEdit*>(control)->setText(ToQString(s.*f.text)); break;
      case FieldKind::kFont:
        static_cast<QFontComboBox*>(control)->setCurrentFont(QFont(ResolveFontFamily(s.*f.text)));
        break;
      case FieldKind::kColour:
        colours_.*f.colour = s.*f.colour;
        ShowColour(static_cast<QPushButton*>(control), s.*f.colour);
        break;
    }
  }
  showing_ = false;
  UpdateEnabled();
}

}  // namespace tesmoran
