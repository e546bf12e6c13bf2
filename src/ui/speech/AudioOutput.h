// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where spoken text is played: the system's sound output, or a stand-in in
// tests.  The output pulls the samples (16-bit mono) from a device and tells
// how far it has played, which is what the highlighted word follows.
#include <QString>
#include <QtGlobal>
#include <memory>

class QIODevice;

namespace tesmoran {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Why nothing can be played, in German; empty when there is a device.
  virtual QString Unavailable() const = 0;
  // Plays what `source` gives at `sampleRate`, until Stop(); the German
  // reason when it cannot start.
  virtual QString Start(QIODevice& source, int sampleRate) = 0;
  // How many samples were played since Start().
  virtual qint64 PlayedSamples() const = 0;
  // Why the playing broke off (the device went away), in German; empty
  // while it plays.
  virtual QString Broken() const { return {}; }
  virtual void Stop() = 0;
};

// The system's default sound output (Qt Multimedia).
std::unique_ptr<AudioOutput> SystemAudioOutput();

}  // namespace tesmoran
