// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a text field aloud.  The engine speaks on a thread of its own into
// a buffer; the sound output plays the buffer from the window thread's event
// loop; a timer marks the word whose sound is playing.  Any key or click in
// the field, and any change of its text, stops the reading; the keys and
// clicks still do what they always do, so typing is never held up.
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <thread>
#include <vector>

#include "speech/SpeechBuffer.h"
#include "speech/SpeechEngine.h"
#include "ui/speech/AudioOutput.h"
#include "ui/speech/SpokenPart.h"

class QPlainTextEdit;
class QTimer;

namespace tesmoran {

class SpeechStream;

class ReadAloud : public QObject {
  Q_OBJECT
 public:
  // How often the marked word catches up with the sound.
  static constexpr int kFollowMs = 25;

  // The reader of this window (made on the first call).
  static ReadAloud& Of(QObject& window);
  explicit ReadAloud(QObject* parent = nullptr);
  // Stops, and waits for the speaking threads to end.
  ~ReadAloud() override;

  // Tests put a stand-in for the sound output here before reading.
  void SetAudioOutput(std::unique_ptr<AudioOutput> output);
  const AudioOutput& Output() const { return *output_; }

  // Reads the field's marked part, or all of it, stopping any reading
  // before; false (and nothing started) when there is nothing to read.
  bool Start(QPlainTextEdit& field, std::shared_ptr<const SpeechEngine> engine, const SpeechOptions& options);
  // "Anhalten": the sound stops and the mark goes; the text stays as it is.
  void Stop();
  bool Speaking() const { return buffer_ != nullptr; }

  // Finds out on a thread of its own whether the engine has its voice (that
  // may take a moment) and whether there is a sound output; Availability
  // tells the answer.
  void CheckAvailability(std::shared_ptr<const SpeechEngine> engine);

 Q_SIGNALS:
  void SpeakingChanged(bool speaking);
  // The engine or the sound output failed after the start; German.
  void Failed(const QString& message);
  // The German reasons why nothing can be spoken (no voice) or played (no
  // sound output); empty when it can.
  void Availability(const QString& noVoice, const QString& noOutput);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();
  void Watch(bool on);
  void JoinFinishedSpeakers(bool all);

  std::unique_ptr<AudioOutput> output_;
  QTimer* timer_ = nullptr;
  QPointer<QPlainTextEdit> field_;
  SpokenPart part_;
  std::shared_ptr<SpeechBuffer> buffer_;
  std::unique_ptr<SpeechStream> stream_;
  bool playing_ = false;
  std::pair<int, int> marked_{-1, -1};
  QMetaObject::Connection textChanged_;
  // Threads still speaking into a buffer that is no longer played; a stopped
  // engine ends at its next piece of audio.
  struct Speaker {
    std::shared_ptr<SpeechBuffer> buffer;
    std::thread thread;
  };
  std::vector<Speaker> speakers_;
  std::thread checker_;
};

}  // namespace tesmoran
