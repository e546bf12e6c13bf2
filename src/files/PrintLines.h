// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Breaking the solution text into printed lines.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

inline constexpr std::size_t kPrintLineWidth = 46;

// The pieces printed one after the other: each is the text up to and with
// the last space among its next 46 characters, or those 46 characters when
// they hold no space.  Line breaks inside count like any other character.
std::vector<Text> PrintPieces(TextView text);

// The lines on paper: the pieces, each split at the line breaks it holds
// (CR LF, LF or a lone CR), the break characters dropped.
std::vector<Text> PaperLines(TextView text);

}  // namespace tesmoran
