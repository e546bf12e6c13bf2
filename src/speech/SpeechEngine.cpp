// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechEngine.h"

#include <algorithm>

namespace tesmoran {
namespace {

class CollectingSink : public SpeechSink {
 public:
  explicit CollectingSink(SpeechResult& result) : result_(result) {}
  void Begin(int sampleRate) override { result_.sampleRate = sampleRate; }
  void Samples(const int16_t* samples, std::size_t count) override {
    result_.samples.insert(result_.samples.end(), samples, samples + count);
  }
  void Event(const SpeechEvent& event) override { result_.events.push_back(event); }

 private:
  SpeechResult& result_;
};

}  // namespace

SpeechOptions SpeechOptions::Clamped() const {
  SpeechOptions clamped = *this;
  clamped.wordsPerMinute = std::clamp(wordsPerMinute, kMinWordsPerMinute, kMaxWordsPerMinute);
  clamped.pitch = std::clamp(pitch, 0, 100);
  clamped.sentencePauseMs = std::clamp(sentencePauseMs, 0, kMaxPauseMs);
  clamped.syllablePauseMs = std::clamp(syllablePauseMs, 0, kMaxPauseMs);
  return clamped;
}

SpeechResult SpeechEngine::Synthesize(TextView text, const SpeechOptions& options) const {
  SpeechResult result;
  CollectingSink sink(result);
  result.error = Speak(text, options, sink);
  return result;
}

}  // namespace tesmoran
