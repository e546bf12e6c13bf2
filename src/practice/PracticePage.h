// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice page: one HTML file that needs nothing else, in which the
// pupil does the chosen exercises on screen and checks them there.  The
// command line and the window fill in the options and write the bytes.
#include <filesystem>
#include <string>
#include <vector>

#include "practice/PracticeAudio.h"
#include "practice/PracticeSet.h"
#include "speech/SpeechEngine.h"
#include "syllables/Syllabifier.h"
#include "text/Text.h"

namespace tesmoran {

enum class PracticeLevel {
  kEasy,    // leicht: word bank, reading syllables, hints, unlimited tries
  kMedium,  // mittel: hints
  kHard,    // schwer: no aids
};

struct PracticePageOptions {
  Text text;  // the original text, or its marked part
  // The exercises in the order of the page; none: Lückentext.
  std::vector<const PracticeExercise*> exercises;
  Text title;                                // the heading; empty: "Übungsseite"
  bool solutionAllowed = true;               // "Lösung zeigen"
  bool syllablesEverywhere = false;          // reading-syllable colours on every level, not only on leicht
  const Syllabifier* syllabifier = nullptr;  // none: no colours
  Answer answer = DefaultPracticeAnswer();
  // "Vorlesen" from sound in the page: every sentence spoken and embedded as
  // Opus, so that it also works where the browser has no speech synthesis.
  bool spokenSentences = false;
  const SpeechEngine* voice = nullptr;  // the voice of spokenSentences; none: the German voice of espeak-ng
};

// "leicht", "mittel", "schwer".
Text LevelName(PracticeLevel level);

// The page of one level.  With spokenSentences and a voice that cannot
// speak, the page reads aloud with the browser's speech synthesis only.
std::string BuildPracticePage(const PracticePageOptions& options, PracticeLevel level);

// The same from a set already made (for several levels of one set), with
// the sound of its sentences when `audio` is given.
std::string BuildPracticePage(const PracticeSet& set, const PracticePageOptions& options, PracticeLevel level,
                              const PracticeAudio* audio = nullptr);

// The sentences of the set spoken with the options' voice.
PracticeAudio SpokenSentences(const PracticeSet& set, const PracticePageOptions& options);

// The file of one level when all three are written: "seite.html" ->
// "seite-leicht.html".
std::filesystem::path PathForLevel(const std::filesystem::path& path, PracticeLevel level);

// The exercises of the options, Lückentext when none is chosen.
std::vector<const PracticeExercise*> ChosenExercises(const PracticePageOptions& options);

}  // namespace tesmoran
