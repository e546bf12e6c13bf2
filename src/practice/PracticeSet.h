// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise set of a practice page: for every chosen exercise the parts
// of its result in the order of the text, each either plain text around the
// items or an item the pupil works on.  The shown forms of all parts put
// together are exactly what the exercise's button delivers for the text.
#include <cstddef>
#include <vector>

#include "practice/PracticeExercises.h"
#include "text/Text.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

struct PracticePiece {
  bool item = false;
  Text shown;  // the button's result for this part, without control characters
  // Items: what the pupil is to write, without surrounding spaces, each run
  // of control characters as one space.  kLetters: the shown form with every
  // gap filled, as long as the shown form (a control character as a space).
  // kSplit and kTiles: the sentence.
  Text answer;
  std::vector<Text> tiles;  // kTiles: the sentence's words, last first
  std::size_t from = 0;     // the part of the original text [from, to)
  std::size_t to = 0;
  std::size_t sentence = 0;  // the sentence that holds `from`
  bool newLine = false;      // a line break of the original text lies in this part
};

struct PracticeSection {
  const PracticeExercise* exercise = nullptr;
  Text caption;  // the button's caption
  std::vector<PracticePiece> pieces;

  std::size_t ItemCount() const;
  // The shown forms put together.
  Text Shown() const;
  // The words around the piece at `index`: the shown text of the plain
  // parts up to the item or the line break before, and after, it.
  Text WordsBefore(std::size_t index) const;
  Text WordsAfter(std::size_t index) const;
};

struct PracticeSet {
  // The original sentences, each with its runs of control characters as one
  // space and without surrounding spaces: what "Vorlesen" reads.
  std::vector<Text> sentences;
  std::vector<PracticeSection> sections;
};

// The answers to the exercises' questions: Yes for the Yes/No questions, as
// the buttons preselect it, and the letters of "Buchstaben".
Answer DefaultPracticeAnswer();

// The section of one exercise.  Exercises with a random part draw from the
// run's random source, in the order the button would.
PracticeSection BuildPracticeSection(const PracticeExercise& exercise, const Text& text, const Answer& answer,
                                     const std::vector<std::size_t>& sentenceEnds);

// The set for the exercises, in the given order.
PracticeSet BuildPracticeSet(const Text& text, const std::vector<const PracticeExercise*>& exercises,
                             const Answer& answer = DefaultPracticeAnswer());

// What "Vorlesen" and the answers make of a piece of the original: control
// character runs as one space, surrounding spaces gone.
Text SpokenForm(TextView text);

}  // namespace tesmoran
