// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marks that stand for hidden characters.  The constants are not
// `inline`, so each file that includes this header has its own copy with
// internal linkage, and no two files can ever define them differently.
#include "text/Text.h"

namespace tesmoran {

// One hidden character in most exercises.
constexpr Char kGapMark = U'_';
// One hidden character in "Lückentext" and in the text path of "Nur Erstletter".
constexpr TextView kDoubleGapMark = U"__";

}  // namespace tesmoran
