// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a text aloud: an engine turns a text into mono 16-bit audio and
// tells, for every word (or syllable) it speaks, where that word stands in
// the text and where its sound begins in the audio.  The window highlights
// the word being spoken from these events; audio files take the samples.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

struct SpeechOptions {
  // "Sprechtempo" in words a minute; slow by default, for beginning readers.
  static constexpr int kMinWordsPerMinute = 80;
  static constexpr int kMaxWordsPerMinute = 250;
  static constexpr int kDefaultWordsPerMinute = 120;
  static constexpr int kMaxPauseMs = 2000;

  int wordsPerMinute = kDefaultWordsPerMinute;
  int pitch = 50;             // 0 (low) to 100 (high)
  int sentencePauseMs = 400;  // silence added between sentences
  bool bySyllables = false;   // "silbenweise": each word in its reading syllables
  int syllablePauseMs = 250;  // silence between the syllables of a word (twice that between words)

  // The same options with every number inside its range.
  SpeechOptions Clamped() const;
};

enum class SpeechEventKind { kWord, kSyllable };

struct SpeechEvent {
  std::size_t position = 0;  // character position in the text
  std::size_t length = 0;    // in characters
  SpeechEventKind kind = SpeechEventKind::kWord;
  std::size_t sampleOffset = 0;  // where its sound begins in the audio
};

struct SpeechResult {
  std::vector<int16_t> samples;
  int sampleRate = 0;
  std::vector<SpeechEvent> events;
  Text error;  // the German message when nothing could be spoken
};

// Receives the audio while it is made, piece by piece, so that a long text
// needs no more memory than its receiver keeps.  Events come before or with
// the samples they point into.
class SpeechSink {
 public:
  virtual ~SpeechSink() = default;
  virtual void Begin(int sampleRate) = 0;
  virtual void Samples(const int16_t* samples, std::size_t count) = 0;
  virtual void Event(const SpeechEvent& event) = 0;
  // Asked after every piece of audio: false stops the speaking early (the
  // window's "Anhalten"); what came so far stays.
  virtual bool Wanted() const { return true; }
};

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  // Speaks the text into the sink; the German message on failure, else empty.
  // An empty text (or one of spaces only) gives no audio and no error.
  virtual Text Speak(TextView text, const SpeechOptions& options, SpeechSink& sink) const = 0;

  // Empty when the engine can speak, else the German message saying what is
  // missing (and what to install).
  virtual Text Availability() const { return {}; }

  // The whole audio in one buffer.
  SpeechResult Synthesize(TextView text, const SpeechOptions& options) const;
};

}  // namespace tesmoran
