// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeExercises.h"

#include <string_view>

#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

constexpr const char32_t* kFillLetters = U"Setze die fehlenden Buchstaben ein!";
constexpr const char32_t* kInOrder = U"Bringe die Wörter in die richtige Reihenfolge!";

std::vector<PracticeExercise> BuildExercises() {
  using F = ItemForm;
  using T = Tracing;
  return {
      {"Befehl7", F::kGap, T::kWordGaps, U"Setze die fehlenden Wörter ein!"},
      {"Befehl14", F::kLetters, T::kWords, kFillLetters},
      {"Befehl15", F::kLetters, T::kWords, kFillLetters},
      {"Befehl31", F::kLetters, T::kCharacters, kFillLetters},
      {"Befehl19", F::kLetters, T::kCharacters, U"Setze die fehlenden Selbstlaute ein!"},
      {"Befehl18", F::kLetters, T::kCharacters, U"Setze die fehlenden Mitlaute ein!"},
      {"Befehl8", F::kWord, T::kCharacters, U"Ergänze die Wörter! Schreibe jedes Wort ganz."},
      {"Befehl11", F::kWord, T::kCharacters, U"Ergänze den Anfang! Schreibe jedes Wort ganz."},
      {"Befehl9", F::kWord, T::kWords, U"Die Buchstaben sind durcheinander gepurzelt. Schreibe die Wörter richtig!"},
      {"Befehl5", F::kWord, T::kWords, U"Die Wörter stehen rückwärts. Schreibe sie richtig!"},
      {"Befehl12", F::kWord, T::kWords, U"Die Buchstaben stehen nach dem ABC. Schreibe die Wörter richtig!"},
      {"Befehl16", F::kWord, T::kWords, U"Jede Zahl ist ein Buchstabe: A = 1, B = 2, C = 3 … Schreibe die Wörter!"},
      {"Befehl13", F::kWord, T::kWords, U"M ist ein Mitlaut, S ein Selbstlaut. Schreibe die Wörter!"},
      {"Befehl2", F::kWord, T::kWords, U"Schreibe die Wörter mit den richtigen großen und kleinen Buchstaben!", true},
      {"Befehl1", F::kWord, T::kWords, U"Schreibe die Wörter mit den richtigen großen und kleinen Buchstaben!", true},
      {"Befehl6", F::kSplit, T::kRemovals,
       U"Trenne die Wörter: Tippe dort zwischen zwei Buchstaben, wo ein Wort endet."},
      {"Befehl10", F::kTiles, T::kSentences, kInOrder},
      {"Befehl29", F::kTiles, T::kSentences, kInOrder},
  };
}

}  // namespace

const std::vector<PracticeExercise>& PracticeExercises() {
  static const std::vector<PracticeExercise> exercises = BuildExercises();
  return exercises;
}

const PracticeExercise* FindPracticeExercise(const Exercise& exercise) {
  for (const PracticeExercise& p : PracticeExercises()) {
    if (std::string_view(p.button) == exercise.button) return &p;
  }
  return nullptr;
}

const Exercise& ButtonExercise(const PracticeExercise& practice) { return *FindExerciseByButton(practice.button); }

}  // namespace tesmoran
