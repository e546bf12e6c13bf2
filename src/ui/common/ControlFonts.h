// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two fonts of every window: the fixed font of the text fields and the
// plain sans font of buttons, lists and labels.
#include <QFont>

namespace tesmoran {

// "Courier New" 12 pt, or a metric-compatible monospace font.
QFont TextFieldFont();
// The plain sans font of buttons, lists and labels.
QFont ControlFont(bool bold = false);

}  // namespace tesmoran
