#pragma once
// Placing and colouring the controls of the small windows (help, about):
// places and sizes in 1/1440 inch, colours as paper and ink.
#include <QColor>
#include <QPalette>
#include <QWidget>

#include "ui/Form1Layout.h"

namespace tesmoran {

inline const QColor kLightCyanGround(128, 255, 255);
inline const QColor kDarkBlue(0, 0, 128);

inline void PlaceInUnits(QWidget& w, int left, int top, int width, int height) {
  w.setGeometry(UnitsToPixels(left), UnitsToPixels(top), UnitsToPixels(width), UnitsToPixels(height));
}

// Fills the control's ground with paper; its text is drawn in ink.
inline void Paint(QWidget& w, const QColor& paper, const QColor& ink = Qt::black) {
  QPalette p = w.palette();
  p.setColor(QPalette::Window, paper);
  p.setColor(QPalette::WindowText, ink);
  w.setPalette(p);
  w.setAutoFillBackground(true);
}

}  // namespace tesmoran
