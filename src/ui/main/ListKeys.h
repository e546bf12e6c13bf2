// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Return and Escape on a list that appears on demand: Return takes the
// highlighted entry, Escape puts the list away.  Both keys stay with the
// list; nothing behind it sees them.
#include <functional>

class QListWidget;

namespace tesmoran {

void OnReturnAndEscape(QListWidget& list, std::function<void()> onReturn, std::function<void()> onEscape);

}  // namespace tesmoran
