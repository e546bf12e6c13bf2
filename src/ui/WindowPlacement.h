// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a small window opens: over its main window, centred across it and a
// quarter of the free height down from its top, and always wholly on the
// screen the main window is on.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tesmoran {

// The top-left corner of a window of outer size `outer` opened over a main
// window whose outer frame is `main`, kept inside `screen`.
QPoint PlaceOverMain(const QRect& main, QSize outer, const QRect& screen);

// Moves `window` (not yet shown, client size set) over `main` that way.
void PlaceOverMainWindow(QWidget& window, const QWidget& main);

}  // namespace tesmoran
