// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/IconButton.h"

#include <QFile>
#include <QToolButton>
#include <stdexcept>
#include <string>

#include "ui/common/Units.h"

// The pictures are compiled into a static library, so their resources are
// registered by hand, here and nowhere else.
static void RegisterIconPictures() { Q_INIT_RESOURCE(icons); }

namespace tesmoran {

namespace {
// The room between a button's edge and its picture, in pixels.
constexpr int kPictureMarginPixels = 4;
}  // namespace

QIcon IconPicture(const char* icon) {
  static const bool registered = (RegisterIconPictures(), true);
  (void)registered;
  const QString path = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon));
  if (!QFile::exists(path)) throw std::logic_error(std::string("Kein Bild für das Symbol ") + icon);
  return QIcon(path);
}

QToolButton* MakeIconButton(QWidget& parent, const char* icon, int sideUnits, const QString& description) {
  auto* button = new QToolButton(&parent);
  const int side = UnitsToPixels(sideUnits) - kPictureMarginPixels;
  button->setIconSize(QSize(side, side));
  button->setIcon(IconPicture(icon));
  button->setAutoRaise(true);
  button->setAccessibleName(description);
  return button;
}

}  // namespace tesmoran
