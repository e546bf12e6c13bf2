// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/TSMLABEL.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "Version.h"
#include "ui/common/ControlFonts.h"
#include "ui/common/IconButton.h"
#include "ui/common/SmallWindowLook.h"
#include "ui/common/Units.h"
#include "ui/common/WindowPlacement.h"

namespace tesmoran {
namespace {

// The window's inner area, in 1/1440 inch.
constexpr int kWidthUnits = 3495;
constexpr int kHeightUnits = 3525;

struct LabelLook {
  const char* name;
  QString text;
  int left, top, width, height;  // 1/1440 inch
  QColor paper, ink;
  qreal points;
  bool bold, italic, centred, wrapped;
  QLabel** keep;  // where the made label is kept, when it is needed later
};

QLabel* MakeLabel(QWidget& window, const LabelLook& look) {
  auto* label = new QLabel(look.text, &window);
  label->setObjectName(QString::fromLatin1(look.name));
  PlaceInUnits(*label, look.left, look.top, look.width, look.height);
  Colour(*label, Ground::kWindow, look.paper, look.ink);
  QFont font = ControlFont(look.bold);
  font.setPointSizeF(look.points);
  font.setItalic(look.italic);
  // A one-line label whose text is wider than the label in the fonts at
  // hand gets a slightly smaller size instead of losing letters.
  while (!look.wrapped && font.pointSizeF() > 6 &&
         QFontMetrics(font).horizontalAdvance(look.text) > label->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(look.wrapped);
  label->setAlignment(look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// A label shows the CR LF between a notice's lines as a line break.
QString AsLabelLines(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

}  // namespace

QString TSMLABEL::UsageNotice() {
  return QStringLiteral(
      "Übungsblätter für Lesen und Rechtschreibung aus eigenen Texten.\r\n"
      "Freie Software (GPL-3.0-or-later): nutzen, weitergeben und ändern erlaubt.");
}

QString TSMLABEL::ProgramNotice() {
  return QStringLiteral("TESMORAN " TESMORAN_VERSION "\r\n© die Mitwirkenden");
}

QString TSMLABEL::AddressLine() { return QStringLiteral("Keine Webadresse – alles bleibt hier."); }

TSMLABEL::TSMLABEL(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TSMLABEL"));
  setWindowTitle(QStringLiteral("Info"));
  setFixedSize(UnitsToPixels(kWidthUnits), UnitsToPixels(kHeightUnits));
  Colour(*this, Ground::kWindow, kLightCyanGround, QColor(Qt::black));

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Figur1"));
  PlaceInUnits(*frame, 120, 120, 3255, 2895);
  Colour(*frame, Ground::kWindow, kDarkBlue, QColor(Qt::black));

  QLabel* title = nullptr;
  QLabel* usage = nullptr;
  QLabel* program = nullptr;
  QLabel* okay = nullptr;
  const LabelLook labels[] = {
      {"Bezeichnung2", QStringLiteral("T"), 360, 240, 375, 615, kDarkBlue, QColor(255, 0, 255), 18,
       true, false, true, false, nullptr},
      {"Bezeichnung3", QStringLiteral("E"), 720, 240, 375, 615, kDarkBlue, QColor(0, 255, 255), 18,
       true, false, true, false, nullptr},
      {"Bezeichnung4", QStringLiteral("S"), 1080, 240, 375, 615, kDarkBlue, QColor(128, 255, 128), 18,
       true, false, true, false, nullptr},
      {"Bezeichnung5", QStringLiteral("M O R A N"), 1560, 240, 1695, 615, kDarkBlue, Qt::white, 18,
       true, false, false, false, &title},
      {"Bezeichnung6", QString(), 240, 840, 3015, 975, kDarkBlue, Qt::white, 8.25, false, false,
       false, true, &usage},
      {"Bezeichnung7", QString(), 240, 1800, 3015, 495, QColor(255, 255, 224), Qt::black, 9.75,
       false, false, true, true, &program},
      {"Bezeichnung1", QStringLiteral("O k a y"), 240, 2400, 2175, 615, kDarkBlue, Qt::red, 18,
       true, true, true, false, &okay},
      {"Bezeichnung8", AddressLine(), 120, 3120, 3255, 255, kLightCyanGround, kDarkBlue, 8, false, false,
       true, false, nullptr},
  };
  for (const LabelLook& look : labels) {
    QLabel* label = MakeLabel(*this, look);
    if (look.keep) *look.keep = label;
  }
  title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Bild1"));
  PlaceInUnits(*picture, 2400, 2400, 855, 615);
  picture->setAlignment(Qt::AlignCenter);
  picture->setPixmap(IconPicture("Bild3").pixmap(32, 32));
  Colour(*picture, Ground::kWindow, kDarkBlue, QColor(Qt::black));

  for (QLabel* clickable : {okay, picture}) {
    clickable->setCursor(Qt::PointingHandCursor);
    clickable->installEventFilter(this);
  }
  frame->lower();

  // Loading: placed once, then the two notices.
  PlaceHighOnMainScreen(*this);
  usage->setText(AsLabelLines(UsageNotice()));
  program->setText(AsLabelLines(ProgramNotice()));
}

void TSMLABEL::ShowAbout() {
  show();
  raise();
  activateWindow();
}

bool TSMLABEL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    hide();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tesmoran
