// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long texts in pieces: for the exercises whose result on a text is the
// results on its pieces put together, tesmoran-cli runs the exercise frame
// once per piece and writes each piece's result at once, so that neither
// the whole text nor the whole result is ever held as characters.
#include <optional>
#include <string_view>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTextIo.h"
#include "platform/UiServices.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

// Where a text may be cut without changing the exercise's result.
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

CutRule CutRuleOf(const Exercise& exercise);

struct PiecesResult {
  ExerciseOutcome outcome;  // kDelivered, or what stopped the run at its first piece
  bool writeFailed;         // a result could not be written (after a message)
};

// Runs the exercise on the checked, non-empty bytes piece by piece and
// writes each piece's result, then one newline.  The exercises that may be
// cut show no message on a non-empty text, and an input box stops them at
// the first piece, before anything is written.
PiecesResult RunInPieces(const Exercise& exercise, CutRule rule, std::string_view bytes, CliEncoding encoding,
                         UiServices& ui, const CliContext& context);

}  // namespace tesmoran
