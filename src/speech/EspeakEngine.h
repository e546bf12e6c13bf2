// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The speech engine on libespeak-ng with its German voice, whatever the
// system's language.  The library keeps one global state: it is started once
// per process and every call into it runs under one lock, so engines may be
// made and used from any thread.
#include <memory>
#include <string>

#include "speech/SpeechEngine.h"
#include "syllables/Syllabifier.h"

namespace tesmoran {

class EspeakEngine : public SpeechEngine {
 public:
  static constexpr const char* kGermanVoice = "de";

  // The syllable engine is needed for "silbenweise" only; the voice is
  // German unless a test asks for another.
  explicit EspeakEngine(std::shared_ptr<const Syllabifier> syllabifier = nullptr, std::string voice = kGermanVoice);

  Text Speak(TextView text, const SpeechOptions& options, SpeechSink& sink) const override;

  // Empty when the library starts and the voice is there, else the German
  // message saying what to install.
  Text Availability() const override;

 private:
  std::shared_ptr<const Syllabifier> syllabifier_;
  std::string voice_;
};

}  // namespace tesmoran
