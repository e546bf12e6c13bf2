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

namespace tesmoran {
namespace {

QComboBox* Choices(const char* name, const QStringList& items) {
  auto* box = new QComboBox;
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  return box;
}

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

  QFormLayout* text = Group(column, QStringLiteral("Schrift"));
  font_ = new QFontComboBox;
  font_->setObjectName(QStringLiteral("schrift"));
  text->addRow(QStringLiteral("Schrift:"), font_);
  size_ = AddSpin("groesse", kFontSizeRange, QStringLiteral(" pt"));
  text->addRow(QStringLiteral("Größe:"), size_);
  lineSpacing_ = AddSpin("zeilenabstand", kLineSpacingRange, QStringLiteral(" %"));
  text->addRow(QStringLiteral("Zeilenabstand:"), lineSpacing_);
  letterSpacing_ = AddSpin("buchstabenabstand", kLetterSpacingRange, QStringLiteral(" %"));
  letterSpacing_->setToolTip(QStringLiteral("Zusätzlicher Abstand nach jedem Buchstaben, in % eines Leerzeichens"));
  text->addRow(QStringLiteral("Buchstabenabstand:"), letterSpacing_);
  wordSpacing_ = AddSpin("wortabstand", kWordSpacingRange, QStringLiteral(" %"));
  wordSpacing_->setToolTip(QStringLiteral("Zusätzlicher Abstand zwischen den Wörtern, in % eines Leerzeichens"));
  text->addRow(QStringLiteral("Wortabstand:"), wordSpacing_);

  QFormLayout* syllables = Group(column, QStringLiteral("Silben"));
  marks_ = Choices("silben", {QStringLiteral("keine"), QStringLiteral("abwechselnde Farben"),
                              QStringLiteral("Bögen"), QStringLiteral("Striche")});
  syllables->addRow(QStringLiteral("Silben:"), marks_);
  kind_ = Choices("silbenart", {QStringLiteral("Sprechsilben"), QStringLiteral("Schreibsilben")});
  syllables->addRow(QStringLiteral("Silbenart:"), kind_);
  firstColour_ = new QPushButton(QStringLiteral("1. Farbe…"));
  firstColour_->setObjectName(QStringLiteral("farbe1"));
  secondColour_ = new QPushButton(QStringLiteral("2. Farbe…"));
  secondColour_->setObjectName(QStringLiteral("farbe2"));
  syllables->addRow(QStringLiteral("Farben:"), firstColour_);
  syllables->addRow(QString(), secondColour_);
  exceptions_ = new QPushButton(QStringLiteral("Silben-Ausnahmen bearbeiten…"));
  exceptions_->setObjectName(QStringLiteral("ausnahmen"));
  syllables->addRow(exceptions_);
  syllableNote_ = new QLabel(QStringLiteral("Die Silbentrennung ist nicht verfügbar; Silben werden nicht markiert."));
  syllableNote_->setObjectName(QStringLiteral("silbenhinweis"));
  syllableNote_->setWordWrap(true);
  syllableNote_->hide();
  syllables->addRow(syllableNote_);

  QFormLayout* head = Group(column, QStringLiteral("Kopf"));
  title_ = new QLineEdit;
  title_->setObjectName(QStringLiteral("titel"));
  head->addRow(QStringLiteral("Titel:"), title_);
  nameAndDate_ = new QCheckBox(QStringLiteral("Zeile für Name und Datum"));
  nameAndDate_->setObjectName(QStringLiteral("namedatum"));
  head->addRow(nameAndDate_);

  QFormLayout* lines = Group(column, QStringLiteral("Schreiblinien"));
  rows_ = AddSpin("schreibzeilen", kWritingRowsRange, QStringLiteral(" Zeilen"));
  lines->addRow(QStringLiteral("Anzahl:"), rows_);
  ruling_ = Choices("lineatur", {QStringLiteral("einfache Linien"), QStringLiteral("Vierlinien-Lineatur")});
  lines->addRow(QStringLiteral("Art:"), ruling_);
  upper_ = AddSpin("oberband", kRulingBandRange, QStringLiteral(" mm"));
  lines->addRow(QStringLiteral("Oberband:"), upper_);
  middle_ = AddSpin("mittelband", kRulingBandRange, QStringLiteral(" mm"));
  lines->addRow(QStringLiteral("Mittelband:"), middle_);
  lower_ = AddSpin("unterband", kRulingBandRange, QStringLiteral(" mm"));
  lines->addRow(QStringLiteral("Unterband:"), lower_);
  rowGap_ = AddSpin("zeilenzwischenraum", kRowGapRange, QStringLiteral(" mm"));
  lines->addRow(QStringLiteral("Zwischenraum:"), rowGap_);
  plainRow_ = AddSpin("linienabstand", kPlainRowRange, QStringLiteral(" mm"));
  lines->addRow(QStringLiteral("Linienabstand:"), plainRow_);

  QFormLayout* page = Group(column, QStringLiteral("Seite"));
  answerKey_ = new QCheckBox(QStringLiteral("Lösungsblatt mit dem Originaltext"));
  answerKey_->setObjectName(QStringLiteral("loesung"));
  page->addRow(answerKey_);
  paper_ = Choices("papier", {QStringLiteral("A4 hoch"), QStringLiteral("Letter hoch")});
  page->addRow(QStringLiteral("Papier:"), paper_);
  column->addStretch(1);

  const auto changed = [this] {
    UpdateEnabled();
    if (!showing_) Q_EMIT Changed();
  };
  connect(font_, &QFontComboBox::currentFontChanged, this, changed);
  for (QSpinBox* spin : findChildren<QSpinBox*>()) connect(spin, &QSpinBox::valueChanged, this, changed);
  for (QComboBox* box : {marks_, kind_, ruling_, paper_}) {
    connect(box, &QComboBox::currentIndexChanged, this, changed);
  }
  for (QCheckBox* box : {nameAndDate_, answerKey_}) connect(box, &QCheckBox::toggled, this, changed);
  connect(title_, &QLineEdit::textChanged, this, changed);
  connect(firstColour_, &QPushButton::clicked, this, [this] { ChooseColour(firstColour_, first_); });
  connect(secondColour_, &QPushButton::clicked, this, [this] { ChooseColour(secondColour_, second_); });
  connect(exceptions_, &QPushButton::clicked, this, &SheetSettingsPanel::EditExceptionsRequested);
  Show(SheetSettings());
}

QSpinBox* SheetSettingsPanel::AddSpin(const char* name, const IntRange& range, const QString& suffix) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QLatin1String(name));
  spin->setRange(range.min, range.max);
  spin->setSuffix(suffix);
  return spin;
}

void SheetSettingsPanel::ChooseColour(QPushButton* button, Rgb& colour) {
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
  const bool school = ruling_->currentIndex() == int(WritingRuling::kSchool);
  for (QWidget* w : {static_cast<QWidget*>(upper_), static_cast<QWidget*>(middle_), static_cast<QWidget*>(lower_),
                     static_cast<QWidget*>(rowGap_)}) {
    w->setEnabled(school);
  }
  plainRow_->setEnabled(!school);
  const bool marks = syllablesAvailable_ && marks_->currentIndex() != int(SyllableMarks::kNone);
  marks_->setEnabled(syllablesAvailable_);
  kind_->setEnabled(marks);
  const bool colours = marks && marks_->currentIndex() == int(SyllableMarks::kColours);
  firstColour_->setEnabled(colours);
  secondColour_->setEnabled(colours);
}

void SheetSettingsPanel::SetSyllablesAvailable(bool available) {
  syllablesAvailable_ = available;
  syllableNote_->setVisible(!available);
  UpdateEnabled();
}

SheetSettings SheetSettingsPanel::Settings() const {
  SheetSettings s;
  s.fontFamily = FromQString(font_->currentFont().family());
  s.fontSize = size_->value();
  s.lineSpacing = lineSpacing_->value();
  s.letterSpacing = letterSpacing_->value();
  s.wordSpacing = wordSpacing_->value();
  s.syllableMarks = SyllableMarks(marks_->currentIndex());
  s.syllableKind = SyllableKind(kind_->currentIndex());
  s.firstColour = first_;
  s.secondColour = second_;
  s.title = FromQString(title_->text());
  s.nameAndDate = nameAndDate_->isChecked();
  s.writingRows = rows_->value();
  s.ruling = WritingRuling(ruling_->currentIndex());
  s.upperBandMm = upper_->value();
  s.middleBandMm = middle_->value();
  s.lowerBandMm = lower_->value();
  s.rowGapMm = rowGap_->value();
  s.plainRowMm = plainRow_->value();
  s.answerKey = answerKey_->isChecked();
  s.paper = PaperSize(paper_->currentIndex());
  return s;
}

void SheetSettingsPanel::Show(const SheetSettings& in) {
  const SheetSettings s = Clamped(in);
  showing_ = true;
  font_->setCurrentFont(QFont(ResolveFontFamily(s.fontFamily)));
  size_->setValue(s.fontSize);
  lineSpacing_->setValue(s.lineSpacing);
  letterSpacing_->setValue(s.letterSpacing);
  wordSpacing_->setValue(s.wordSpacing);
  marks_->setCurrentIndex(int(s.syllableMarks));
  kind_->setCurrentIndex(int(s.syllableKind));
  first_ = s.firstColour;
  second_ = s.secondColour;
  ShowColour(firstColour_, first_);
  ShowColour(secondColour_, second_);
  title_->setText(ToQString(s.title));
  nameAndDate_->setChecked(s.nameAndDate);
  rows_->setValue(s.writingRows);
  ruling_->setCurrentIndex(int(s.ruling));
  upper_->setValue(s.upperBandMm);
  middle_->setValue(s.middleBandMm);
  lower_->setValue(s.lowerBandMm);
  rowGap_->setValue(s.rowGapMm);
  plainRow_->setValue(s.plainRowMm);
  answerKey_->setChecked(s.answerKey);
  paper_->setCurrentIndex(int(s.paper));
  showing_ = false;
  UpdateEnabled();
}

}  // namespace tesmoran
