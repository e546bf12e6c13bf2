// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SyllableExercise.h"

#include "syllables/HyphenateText.h"

namespace tesmoran {

Exercise SyllableExercise(std::shared_ptr<const Syllabifier> syllabifier, SyllableKind kind) {
  // Text and entry are treated alike: the hyphenation keeps everything that
  // is not a word where it is.  It has no button in the exercise grid.
  auto hyphenate = [syllabifier, kind](const Text& text, const Answer&) {
    return HyphenateText(text, *syllabifier, kind);
  };
  return Exercise{
      "",         kSyllableExerciseCaption, ListPath::kTransformEntries, Text(), Question{}, hyphenate, hyphenate,
      GridCell{}, CutRule::kNowhere};
}

ExerciseOutcome RunSyllableExercise(const SyllabifierLoad& load, Worksheet& ws, UiServices& ui) {
  if (!load.syllabifier) {
    ui.MessageBox(load.error, style::kOkExclamation, kSyllableExerciseCaption);
    return ExerciseOutcome::kMessageShown;
  }
  return RunExercise(SyllableExercise(load.syllabifier), ws, ui).outcome;
}

}  // namespace tesmoran
