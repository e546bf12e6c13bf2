// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Colour.h"

#include <QPalette>
#include <QWidget>

namespace tesmoran {

void Colour(QWidget& control, Ground ground, const QColor& paper, std::optional<QColor> ink) {
  const bool window = ground == Ground::kWindow;
  QPalette p = control.palette();
  p.setColor(window ? QPalette::Window : QPalette::Base, paper);
  if (ink) p.setColor(window ? QPalette::WindowText : QPalette::Text, *ink);
  control.setPalette(p);
  // A plain widget paints no ground of its own unless told to; text fields
  // and lists always paint their writing area.
  if (window) control.setAutoFillBackground(true);
}

}  // namespace tesmoran
