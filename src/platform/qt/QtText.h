// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between Qt's strings and the program's texts.
#include <QString>

#include "text/Text.h"

namespace tesmoran {

// Any QString (clipboard, input box): NFC-normalised, one character per
// code point, nothing else changed.
Text FromQString(const QString& s);
QString ToQString(TextView text);

// A text field's content: its line breaks (LF, U+2028, or U+2029 in a selection)
// reach the program as CR LF; a CR LF already present stays as it is.
Text FromField(const QString& s);
// The other way: every CR LF becomes the field's line break (LF).
QString ToField(TextView text);

}  // namespace tesmoran
