// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long texts in pieces: for the exercises whose result on a text is the
// results on its pieces put together (the cut rule of their catalogue
// entries says where a text may be cut), tesmoran-cli runs the exercise
// frame once per piece and writes each piece's result at once, so that
// neither the whole text nor the whole result is ever held as characters.
#include <optional>
#include <string_view>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTextIo.h"
#include "platform/UiServices.h"
#include "worksheet/CutRule.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

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
