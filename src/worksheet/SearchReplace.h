// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Search and replace: every occurrence of the marked piece of the original
// text is replaced by a text that the user types; the changed copy of the
// whole original text goes to the solution text like an exercise result.
#include <cstddef>
#include <optional>

#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"
#include "text/Text.h"

namespace tesmoran {

// Every occurrence of search replaced once, from left to right; the search
// goes on behind each inserted replacement, so a replacement is never
// searched again.  An empty search text changes nothing.
Text ReplaceOnceThrough(TextView text, TextView search, TextView replacement);

// How far ReplaceUntilNoneLeft may go before it takes a chain of new
// occurrences to be endless.
struct RescanBudget {
  // Characters read: those of the text and of every inserted replacement.
  std::size_t reads = 0;
  // Characters the working text may hold at any moment.
  std::size_t length = 0;
};

// Replaces the first occurrence of search again and again until the text
// holds none, also none that a replacement has formed together with its
// neighbours («aab», «ab» -> «b» gives «b»).  Gives up and answers nullopt
// once it would read more characters or hold a longer working text than the
// budget allows, because some replacements form new occurrences without end.
// Besides the text and the result it keeps only one number per replacement
// still being read.
std::optional<Text> ReplaceUntilNoneLeft(TextView text, TextView search, TextView replacement,
                                         RescanBudget budget);

// The budget ReplaceEverywhere gives ReplaceUntilNoneLeft, far beyond any
// worksheet: with n = length of the text + length of the replacement,
// 64 x n characters read and a working text of 2 x n characters, but never
// less than 64 Mi characters for either.  The working text's limit keeps the
// memory of a hopeless chain on a very long text within a few times the
// memory of the text itself.
inline constexpr std::size_t kRescanMinimum = std::size_t{64} << 20;
inline constexpr std::size_t kRescanReadsFactor = 64;
inline constexpr std::size_t kRescanLengthFactor = 2;
RescanBudget RescanBudgetFor(std::size_t textLength, std::size_t replacementLength);

// The replacing of the search-and-replace command:
// - a replacement that contains the search text would form a new occurrence
//   with every replacing: each occurrence of the text is replaced once
//   (ReplaceOnceThrough);
// - otherwise occurrences formed by replacements are replaced too
//   (ReplaceUntilNoneLeft), within RescanBudgetFor; a chain that goes on
//   beyond it gets the once-through result instead.
Text ReplaceEverywhere(TextView text, TextView search, TextView replacement);

// Whether ReplaceEverywhere gives on every text what ReplaceOnceThrough
// gives: when the replacement contains the search text, and when no
// occurrence can overlap an inserted replacement (no end of either text
// begins the other, the search text does not contain the replacement, and
// the replacement is not empty).  Then the replacing can go from left to
// right through a text of any length, holding only what it has not passed.
bool ReplacesInOnePass(TextView search, TextView replacement);

// The command of the search-and-replace icon: the marked text is searched,
// the user types the replacement, the replaced copy of the whole original
// text is delivered to the solution text.  The original text stays as it is.
void SearchAndReplace(Worksheet& ws, UiServices& ui);

}  // namespace tesmoran
