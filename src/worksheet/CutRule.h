// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a long text may be cut into pieces without changing an exercise's
// result: the pieces' results put together are then the result on the whole
// text.  The command line runs such exercises piece by piece.

namespace tesmoran {

enum class CutRule {
  kNowhere,              // only the whole text gives the right result
  kAnywhere,             // every character is transformed on its own
  kAfterWordDelimiter,   // every word is transformed on its own, and an empty word gives nothing
  kAnywhereLastFirst,    // the order of all characters is reversed: the pieces are run from the last
  kAfterSentenceEnd,     // every sentence is transformed on its own
  kAfterNonSpace,        // the scan looks at every character but the one right after a space
  kAtWordAfterSpace,     // a character depends on the one before it only, and a word after a space
                         // comes out as the first character of a text does
  kAfterEvenDelimiters,  // a character depends on the number of delimiters before it being even or odd
};

}  // namespace tesmoran
