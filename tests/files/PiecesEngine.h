// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A speech engine for the tests of the audio files: it hands out fixed
// pieces of audio at a fixed rate, and fails after them when told to.
#include <cstdint>
#include <vector>

#include "speech/SpeechEngine.h"

namespace tesmoran::testing {

class PiecesEngine : public SpeechEngine {
 public:
  PiecesEngine(int rate, std::vector<std::vector<int16_t>> pieces, Text failure = {})
      : rate_(rate), pieces_(std::move(pieces)), failure_(std::move(failure)) {}

  Text Speak(TextView, const SpeechOptions&, SpeechSink& sink) const override {
    sink.Begin(rate_);
    for (const std::vector<int16_t>& piece : pieces_) {
      sink.Samples(piece.data(), piece.size());
      if (!sink.Wanted()) break;
    }
    return failure_;
  }

 private:
  int rate_;
  std::vector<std::vector<int16_t>> pieces_;
  Text failure_;
};

}  // namespace tesmoran::testing
