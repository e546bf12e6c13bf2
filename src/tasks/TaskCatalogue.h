// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed catalogue of written task sentences ("Arbeitsaufträge") that
// the user can append to the solution text as instructions for the pupil.
#include <vector>

#include "text/Text.h"

namespace tesmoran {

// The task sentences in list order (list index = number - 1).  Runs of
// underscores are blanks for the pupil and are never filled.
const std::vector<Text>& TaskSentences();

// Appends a task sentence as a new line: solution text := solution text,
// CR LF, sentence.  Always appends, whatever the working mode, and nothing
// is stripped from the sentence.
void InsertTask(Text& solution, const Text& sentence);

}  // namespace tesmoran
