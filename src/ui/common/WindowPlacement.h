// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the windows open.
//   The main window: where it was when the program last ended, as long as
//   that place is still on a screen; otherwise in the middle of the screen.
//   Its size and whether it filled the screen are kept as well.
//   The help window: over the main window, centred across it and a quarter
//   of the free height down from its top, and always wholly on the screen
//   the main window is on.
//   The about window: centred across the main screen, a quarter of the free
//   height down from its top.
//   The file window: in the middle of its screen.
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tesmoran {

// The window's inner place (without the frame of the window system) for a
// remembered inner place `saved` (invalid when there is none), given the
// usable areas of the screens, the first being the main screen, and the room
// the window frame takes around the inner place.  The result lies with its
// frame on one screen, is at least `minimum` large and, when nothing usable
// was remembered, is `minimum` large in the middle of the main screen.
QRect PlaceOnScreens(const QRect& saved, QSize minimum, const QList<QRect>& screens, const QMargins& frame);

// Puts the main window where PlaceOnScreens says for the remembered place,
// and lets it fill the screen if it did last time.
void RestoreWindowPlace(QWidget& window);

// Remembers the window's place (its place before it filled the screen, when
// it does) for the next start.
void RememberWindowPlace(const QWidget& window);

// Restores the window's place now and remembers it whenever the window is
// closed.
void KeepWindowPlace(QWidget& window);

// The top-left corner of a window of outer size `outer` opened over a main
// window whose outer frame is `main`, kept inside `screen`.
QPoint PlaceOverMain(const QRect& main, QSize outer, const QRect& screen);

// Moves `window` (not yet shown, client size set) over `main` that way.
void PlaceOverMainWindow(QWidget& window, const QWidget& main);

// Moves `window` (not yet shown, client size set) across the whole main
// screen, centred and a quarter of the free height down.
void PlaceHighOnMainScreen(QWidget& window);

// Moves `window` into the middle of the usable area of its screen.
void PlaceInMiddleOfScreen(QWidget& window);

}  // namespace tesmoran
