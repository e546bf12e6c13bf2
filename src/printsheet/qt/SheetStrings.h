// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts as Qt strings, for drawing them.
#include <QString>

#include "text/Text.h"

namespace tesmoran {

inline QString SheetString(TextView text) { return QString::fromUcs4(text.data(), qsizetype(text.size())); }

}  // namespace tesmoran
