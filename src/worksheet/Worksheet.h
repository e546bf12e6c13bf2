// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet state that every exercise shares.
#include <cstddef>
#include <vector>

#include "worksheet/WordList.h"
#include "text/Text.h"

namespace tesmoran {

// The original text with its marked part (selection start and length, in
// characters, 0-based start).
struct OriginalText {
  Text text;
  std::size_t selStart = 0;
  std::size_t selLength = 0;

  // The marked text; empty when nothing is marked.
  Text Marked() const;
  // Replaces the whole text and clears the marking.
  void Set(Text newText);
};

enum WorkingMode : int { kModeReplace = 0, kModeExtend = 1 };

struct Worksheet {
  OriginalText Text1;         // original text
  Text Text2;                 // solution text
  int Liste3 = kModeReplace;  // working mode: 0 replace, 1 extend
  WordList Liste2;            // word list with selected flags
  std::vector<Text> Liste4;   // hidden backup copy of the word list
  Text WorkText;              // text being transformed
  int ListTarget = 0;         // 1: the current exercise works on the word list
};

}  // namespace tesmoran
