#pragma once
// The fixed catalogue of written task sentences ("Arbeitsaufträge") that
// the user can append to the solution text as instructions for the pupil.
#include <cstddef>
#include <vector>

#include "state/Worksheet.h"
#include "text/Text.h"

namespace tesmoran {

inline constexpr std::size_t kTaskCount = 48;

// The task sentences in list order (list index = number - 1).  Runs of
// underscores are blanks for the pupil and are never filled.
const std::vector<Text>& TaskSentences();

// Appends a task sentence as a new line: solution text := solution text,
// CR LF, sentence.  Always appends, whatever the working mode; neither the
// work text, the original text nor the word list is touched, and nothing is
// stripped from the sentence.
void InsertTask(Worksheet& ws, const Text& sentence);

}  // namespace tesmoran
