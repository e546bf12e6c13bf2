// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tesmoran-cli EXERCISE: one exercise of the main window on a text.
#include <span>

#include "app/cli/CliCommand.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

// The options that an exercise call takes.
std::span<const OptionSpec> ExerciseOptionSpecs();

// Runs the exercise through the frame of the window's button; the options
// answer its question.  Prints what the solution text receives in replace
// mode (or the rewritten word list with --words) and returns the exit code.
int RunExerciseCommand(const Exercise& exercise, const ParsedOptions& options, const CliContext& context);

}  // namespace tesmoran
