// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/Units.h"

namespace tesmoran {

QPoint PlaceOverMain(const QRect& main, QSize outer, const QRect& screen) {
  int left = main.x() + (main.width() - outer.width()) / 2;
  int top = main.y() + (main.height() - outer.height()) / 4;
  // The right and bottom edges first, so that a window larger than the
  // screen keeps its caption bar reachable at the top left.
  left = std::max(std::min(left, screen.right() + 1 - outer.width()), screen.left());
  top = std::max(std::min(top, screen.bottom() + 1 - outer.height()), screen.top());
  return {left, top};
}

void PlaceOverMainWindow(QWidget& window, const QWidget& main) {
  const QScreen* screen = main.screen();
  if (!screen) return;
  // Before its first showing a window has no frame yet; the usual frame of
  // the window system stands in for it.
  const QSize outer(window.width() + kFrameWidthPixels, window.height() + kFrameHeightPixels);
  window.move(PlaceOverMain(main.frameGeometry(), outer, screen->availableGeometry()));
}

}  // namespace tesmoran
