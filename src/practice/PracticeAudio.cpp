// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeAudio.h"

#include "files/OpusFile.h"

namespace tesmoran {

PracticeAudio SpeakPracticeSentences(const std::vector<Text>& sentences, const SpeechEngine& voice) {
  PracticeAudio audio;
  audio.sentences.reserve(sentences.size());
  for (const Text& sentence : sentences) {
    OpusBytes spoken = SpeechAsOpusBytes(voice, sentence, SpeechOptions(), kPracticeAudioBitrate);
    if (!spoken.error.empty()) return {{}, std::move(spoken.error)};
    audio.sentences.push_back(std::move(spoken.bytes));
  }
  return audio;
}

}  // namespace tesmoran
