#pragma once
// Placing and colouring the controls of the small windows (help, about,
// files): places and sizes in 1/1440 inch, colours as paper and ink.
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

// Fills the ground of the control's part `role` (the window, or the
// writing area of a text field) with a colour.
inline void SetGround(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w.palette();
  p.setColor(role, colour);
  w.setPalette(p);
  w.setAutoFillBackground(true);
}

// Fills the control's ground with paper; its text is drawn in ink.
inline void Paint(QWidget& w, const QColor& paper, const QColor& ink = Qt::black) {
  SetGround(w, QPalette::Window, paper);
  SetGround(w, QPalette::WindowText, ink);
}

}  // namespace tesmoran
