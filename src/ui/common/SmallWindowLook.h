// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placing the controls of the small windows (help, about, files) in
// 1/1440 inch, and the colours they share; Colour paints them.
#include <QColor>
#include <QWidget>

#include "ui/common/Colour.h"
#include "ui/common/Units.h"

namespace tesmoran {

inline const QColor kLightCyanGround(128, 255, 255);
inline const QColor kDarkBlue(0, 0, 128);

inline void PlaceInUnits(QWidget& w, int left, int top, int width, int height) {
  w.setGeometry(UnitsToPixels(left), UnitsToPixels(top), UnitsToPixels(width), UnitsToPixels(height));
}

}  // namespace tesmoran
