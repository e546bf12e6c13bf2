// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Silben trennen": the text, or every word-list entry, with its syllables
// joined by «-», run through the same frame as the exercise buttons.  It has
// no button of its own; the main window reaches it by shortcut and menu.
#include <memory>

#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"
#include "syllables/PatternSyllabifier.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

inline constexpr const char32_t* kSyllableExerciseCaption = U"Silben trennen";

// The exercise on the given engine.
Exercise SyllableExercise(std::shared_ptr<const Syllabifier> syllabifier,
                          SyllableKind kind = SyllableKind::kReading);

// Runs "Silben trennen" with the loaded engine.  Without an engine (the
// pattern file is missing) the load's message is shown and nothing changes.
ExerciseOutcome RunSyllableExercise(const SyllabifierLoad& load, Worksheet& ws, UiServices& ui);

}  // namespace tesmoran
