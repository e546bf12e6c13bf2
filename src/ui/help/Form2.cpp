// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/Form2.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "ui/common/ControlFonts.h"
#include "ui/common/IconButton.h"
#include "ui/common/IconHelp.h"
#include "ui/common/SmallWindowLook.h"
#include "ui/common/Units.h"
#include "ui/common/WindowPlacement.h"

namespace tesmoran {
namespace {

const QColor kLabelInk(0, 0, 192);
const QColor kLabelPaper(224, 224, 224);

// The window's inner area and the grid of the help icons, in 1/1440 inch.
constexpr int kWidthUnits = 4560;
constexpr int kHeightUnits = 3750;
constexpr int kIconUnits = 495;
constexpr int kColumnLeft[] = {120, 720, 1320};
constexpr int kRowTop[] = {240, 840, 1440, 2040};

QFont BoldFont() {
  QFont font = ControlFont(true);
  font.setPointSizeF(9.75);
  return font;
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("TESMORAN: Hilfe"));
  setFixedSize(UnitsToPixels(kWidthUnits), UnitsToPixels(kHeightUnits));
  Colour(*this, Ground::kWindow, kLightCyanGround, QColor(Qt::black));

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Figur1"));
  PlaceInUnits(*frame, 1920, 240, 2415, 3015);
  Colour(*frame, Ground::kWindow, kDarkBlue, kDarkBlue);

  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("Bezeichnung1"));
  PlaceInUnits(*label_, 2040, 360, 2175, 2775);
  Colour(*label_, Ground::kWindow, kLabelPaper, kLabelInk);
  label_->setFont(BoldFont());
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignCenter);
  label_->setWordWrap(true);

  auto* hint = new QLabel(QStringLiteral("Für Hilfetexte die jeweiligen Symbole anklicken ..."), this);
  hint->setObjectName(QStringLiteral("Bezeichnung2"));
  PlaceInUnits(*hint, 0, 3480, 4575, 255);
  Colour(*hint, Ground::kWindow, kDarkBlue, QColor(Qt::white));
  hint->setFont(ControlFont());
  hint->setAlignment(Qt::AlignCenter);

  auto* done = new QPushButton(QStringLiteral("F e r t i g"), this);
  done->setObjectName(QStringLiteral("Befehl1"));
  PlaceInUnits(*done, 120, 2760, 1695, 495);
  done->setFont(BoldFont());
  connect(done, &QPushButton::clicked, this, &Form2::Befehl1Click);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Zeit1"));
  timer_->setInterval(kHelpTextMilliseconds);
  timer_->setTimerType(Qt::PreciseTimer);  // five seconds from the last click, not about five
  connect(timer_, &QTimer::timeout, this, &Form2::Zeit1Timer);

  // Loading: the general text, then each help icon gets the picture of the
  // main-window icon it explains.
  label_->setText(GeneralHelpText());
  for (const IconHelp& help : IconHelpTexts()) {
    QToolButton* icon = MakeIconButton(*this, help.mainIcon, kIconUnits, help.text);
    icon->setObjectName(QString::fromLatin1(help.helpIcon));
    PlaceInUnits(*icon, kColumnLeft[help.column - 1], kRowTop[help.row - 1], kIconUnits, kIconUnits);
    connect(icon, &QToolButton::clicked, this, [this, &help] { BildClick(help); });
  }
  frame->lower();
  // Loading also places the window once, over the main window.
  if (parentWidget()) PlaceOverMainWindow(*this, *parentWidget());
}

void Form2::ShowHelp() {
  show();
  raise();
  activateWindow();
}

void Form2::BildClick(const IconHelp& help) {
  timer_->stop();
  timer_->start();
  label_->setText(help.text);
}

void Form2::Zeit1Timer() {
  timer_->stop();
  label_->setText(GeneralHelpText());
}

void Form2::Befehl1Click() {
  timer_->stop();
  hide();
}

}  // namespace tesmoran
