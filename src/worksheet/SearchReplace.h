#pragma once
// Search and replace: every occurrence of the marked piece of the original
// text is replaced by a text that the user types; the changed copy of the
// whole original text goes to the solution text like an exercise result.
#include <cstddef>
#include <optional>

#include "platform/UiServices.h"
#include "state/Worksheet.h"
#include "text/Text.h"

namespace tesmoran {

// Every occurrence of search replaced once, from left to right; the search
// goes on behind each inserted replacement, so a replacement is never
// searched again.  An empty search text changes nothing.
Text ReplaceOnceThrough(TextView text, TextView search, TextView replacement);

// Replaces the first occurrence of search again and again until the text
// holds none, also none that a replacement has formed together with its
// neighbours («aab», «ab» -> «b» gives «b»).  Gives up and answers nullopt
// once it has read more than workLimit characters (those of the text and of
// every inserted replacement), because some replacements form new
// occurrences without end.
std::optional<Text> ReplaceUntilNoneLeft(TextView text, TextView search, TextView replacement,
                                         std::size_t workLimit);

// The number of characters ReplaceEverywhere lets ReplaceUntilNoneLeft read:
// 16 x (length of the text + length of the replacement) + 4096.  A chain
// of new occurrences that needs more than that is taken to be endless.
inline constexpr std::size_t kRescanWorkFactor = 16;
inline constexpr std::size_t kRescanWorkReserve = 4096;
std::size_t RescanWorkLimit(std::size_t textLength, std::size_t replacementLength);

// The replacing of the search-and-replace command:
// - a replacement that contains the search text would form a new occurrence
//   with every replacing: each occurrence of the text is replaced once
//   (ReplaceOnceThrough);
// - otherwise occurrences formed by replacements are replaced too
//   (ReplaceUntilNoneLeft), within RescanWorkLimit; a chain that goes on
//   beyond it gets the once-through result instead.
Text ReplaceEverywhere(TextView text, TextView search, TextView replacement);

// The command of the search-and-replace icon: the marked text is searched,
// the user types the replacement, the replaced copy of the whole original
// text is delivered to the solution text.  The original text stays as it is.
void SearchAndReplace(Worksheet& ws, UiServices& ui);

}  // namespace tesmoran
