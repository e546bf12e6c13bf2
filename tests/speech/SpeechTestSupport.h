// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the speech tests share: the German engine with the installed syllable
// patterns, and measures of the audio.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "WavReading.h"
#include "speech/EspeakEngine.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {

inline const EspeakEngine& GermanSpeech() {
  static const EspeakEngine engine = [] {
    SyllabifierLoad load = LoadSyllabifier();
    if (load.syllabifier == nullptr) throw std::runtime_error(EncodeUtf8(load.error));
    return EspeakEngine(load.syllabifier);
  }();
  return engine;
}

inline double Seconds(const SpeechResult& result) {
  return result.sampleRate > 0 ? static_cast<double>(result.samples.size()) / result.sampleRate : 0.0;
}

using testing::Rms;

}  // namespace tesmoran
