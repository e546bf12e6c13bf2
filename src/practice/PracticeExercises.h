// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises that can be practised on screen, what the pupil does with
// each, and how the result of its button is cut into the items.
#include <vector>

#include "text/Text.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

// What the pupil does with one item.
enum class ItemForm {
  kGap,      // types the hidden word into one field
  kLetters,  // types one letter into each gap of a word
  kWord,     // writes the whole word
  kSplit,    // sets the word boundaries of a sentence written without spaces
  kTiles,    // puts the words of a sentence in order
};

// How the button's result is traced back to the original text.
enum class Tracing {
  kWords,       // word by word through the word scan
  kCharacters,  // character by character, with the one before it
  kWordGaps,    // character by character, each kept or written as the word gap
  kRemovals,    // character by character, each kept or taken out
  kSentences,   // sentence by sentence
};

struct PracticeExercise {
  const char* button;  // the exercise's button in the catalogue
  ItemForm form;
  Tracing tracing;
  const char32_t* task;    // the task sentence the pupil reads
  bool everyWord = false;  // every word with a letter is an item, even when it looks the same
};

// Every exercise of the practice page, in the order of the page.
const std::vector<PracticeExercise>& PracticeExercises();

// The practice form of a catalogue exercise, or nullptr when it has none.
const PracticeExercise* FindPracticeExercise(const Exercise& exercise);

// The catalogue exercise of a practice exercise.
const Exercise& ButtonExercise(const PracticeExercise& practice);

// The letters that "Buchstaben" hides on the page unless others are chosen.
inline constexpr const char32_t* kDefaultGapLetters = U"ieäöüß";

}  // namespace tesmoran
