// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working-mode list while it is shown: the mode changes only when the
// user picks an entry, by a click on it or by Return on the highlighted
// one.  Moving the highlight with the arrow keys, pressing the mouse on one
// entry and letting go over another, Escape or a click anywhere else choose
// nothing; Escape and a click elsewhere put the list away.
#include <functional>

class QListWidget;

namespace tesmoran {

// `choose` gets the row the user picked.
void WatchModeChoice(QListWidget& list, std::function<void(int)> choose);

}  // namespace tesmoran
