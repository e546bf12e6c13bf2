// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio of a text being read aloud, between the thread that speaks it and
// the sound card that plays it.  The speaking thread writes samples and word
// events as the engine makes them; the player reads the samples in order and
// asks which word belongs to the sample it is playing.  Samples already
// played are let go, so the buffer holds only what is still to come.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "speech/SpeechEngine.h"

namespace tesmoran {

class SpeechBuffer : public SpeechSink {
 public:
  // The speaking side.
  void Begin(int sampleRate) override;
  void Samples(const int16_t* samples, std::size_t count) override;
  void Event(const SpeechEvent& event) override;
  bool Wanted() const override;
  // The engine has finished (with its message when it failed).
  void Finish(Text error = {});

  // Either side: no more audio is wanted; the engine stops at its next piece.
  void Stop();

  // The playing side.  Copies up to `max` samples that are there now and
  // returns how many; never waits.
  std::size_t Read(int16_t* out, std::size_t max);
  // How many samples can be read now.
  std::size_t Available() const;
  bool Finished() const;
  // Finished and every sample read.
  bool Drained() const;
  bool Stopped() const;
  int SampleRate() const;
  // The samples made so far, read or not.
  std::size_t SamplesMade() const;
  Text Error() const;
  // The word (or syllable) whose sound holds the sample at `offset`: the last
  // event that begins at or before it.
  std::optional<SpeechEvent> EventAt(std::size_t offset) const;

 private:
  mutable std::mutex mutex_;
  int sampleRate_ = 0;
  std::deque<std::vector<int16_t>> pieces_;  // not played yet
  std::size_t readInFront_ = 0;              // samples of the first piece already read
  std::size_t available_ = 0;                // samples not read yet
  std::size_t made_ = 0;
  std::vector<SpeechEvent> events_;
  bool finished_ = false;
  bool stopped_ = false;
  Text error_;
};

}  // namespace tesmoran
