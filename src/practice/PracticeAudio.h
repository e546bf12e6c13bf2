// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentences of a practice page spoken into the page, so that its
// "Vorlesen" also works in browsers without speech synthesis: each sentence
// as Ogg Opus at a low speech bitrate, which keeps the page of a one-page
// text under 400 KB.
#include <string>
#include <vector>

#include "speech/SpeechEngine.h"
#include "text/Text.h"

namespace tesmoran {

// Bits a second of the page's sound: plain, clear speech at a sixth of a
// file's size.
inline constexpr int kPracticeAudioBitrate = 8000;

struct PracticeAudio {
  std::vector<std::string> sentences;  // the Opus stream of each sentence, in order
  Text error;                          // the German message when a sentence could not be spoken; then no sentence
};

// Speaks each sentence with the voice at the default tempo.
PracticeAudio SpeakPracticeSentences(const std::vector<Text>& sentences, const SpeechEngine& voice);

}  // namespace tesmoran
