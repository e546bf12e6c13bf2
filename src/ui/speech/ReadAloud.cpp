// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/ReadAloud.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>

#include "platform/qt/QtText.h"
#include "ui/speech/SpeechStream.h"
#include "ui/speech/SpokenWordMark.h"

namespace tesmoran {
ReadAloud& ReadAloud::Of(QObject& window) {
  if (auto* existing = window.findChild<ReadAloud*>(QStringLiteral("Vorleser"), Qt::FindDirectChildrenOnly)) {
    return *existing;
  }
  return *new ReadAloud(&window);
}

ReadAloud::ReadAloud(QObject* parent) : QObject(parent), output_(SystemAudioOutput()), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("Vorleser"));
  timer_->setInterval(kFollowMs);
  connect(timer_, &QTimer::timeout, this, &ReadAloud::Follow);
}

ReadAloud::~ReadAloud() {
  Stop();
  JoinFinishedSpeakers(true);
  if (checker_.joinable()) checker_.join();
}

void ReadAloud::CheckAvailability(std::shared_ptr<const SpeechEngine> engine) {
  if (checker_.joinable()) checker_.join();
  checker_ = std::thread([this, engine = std::move(engine)] {
    const QString noVoice = ToQString(engine->Availability());
    // Posted to the window thread, where the sound output is asked; dropped
    // when the reader goes first (its destructor waits for this thread).
    QMetaObject::invokeMethod(
        this, [this, noVoice] { Q_EMIT Availability(noVoice, output_->Unavailable()); }, Qt::QueuedConnection);
  });
}

void ReadAloud::SetAudioOutput(std::unique_ptr<AudioOutput> output) {
  Stop();
  output_ = std::move(output);
}

bool ReadAloud::Start(QPlainTextEdit& field, std::shared_ptr<const SpeechEngine> engine, const SpeechOptions& options) {
  Stop();
  JoinFinishedSpeakers(false);
  SpokenPart part = PartToSpeak(field);
  if (!part.HasWords()) return false;
  part_ = std::move(part);
  field_ = &field;
  buffer_ = std::make_shared<SpeechBuffer>();
  stream_ = std::make_unique<SpeechStream>(*buffer_);
  playing_ = false;
  marked_ = {-1, -1};
  speakers_.push_back({buffer_, std::thread([engine, buffer = buffer_, text = part_.text, options] {
                         buffer->Finish(engine->Speak(text, options, *buffer));
                       })});
  Watch(true);
  timer_->start();
  Q_EMIT SpeakingChanged(true);
  return true;
}

void ReadAloud::Stop() {
  if (!buffer_) return;
  timer_->stop();
  buffer_->Stop();
  output_->Stop();
  Watch(false);
  if (field_) ClearSpokenWord(*field_);
  stream_.reset();
  buffer_.reset();
  field_ = nullptr;
  playing_ = false;
  Q_EMIT SpeakingChanged(false);
}

void ReadAloud::Follow() {
  if (!buffer_ || !field_) {
    Stop();
    return;
  }
  if (const Text error = buffer_->Finished() ? buffer_->Error() : Text(); !error.empty()) {
    Stop();
    Q_EMIT Failed(ToQString(error));
    return;
  }
  if (!playing_) {
    // The output starts with a tenth of a second in hand, so that it does
    // not run dry at once.
    const int rate = buffer_->SampleRate();
    if (rate == 0 || (buffer_->Available() < static_cast<std::size_t>(rate / 10) && !buffer_->Finished())) return;
    if (const QString why = output_->Start(*stream_, rate); !why.isEmpty()) {
      Stop();
      Q_EMIT Failed(why);
      return;
    }
    playing_ = true;
  }
  if (const QString why = output_->Broken(); !why.isEmpty()) {
    Stop();
    Q_EMIT Failed(why);
    return;
  }
  const auto played = static_cast<std::size_t>(std::max<qint64>(0, output_->PlayedSamples()));
  if (const std::optional<SpeechEvent> word = buffer_->EventAt(played)) {
    const std::pair<int, int> range = part_.FieldRange(word->position, word->length);
    if (range != marked_) {
      marked_ = range;
      MarkSpokenWord(*field_, range.first, range.second);
    }
  }
  // The output counts in time, not samples: the end is reached within a
  // hundredth of a second.
  if (buffer_->Drained() && played + static_cast<std::size_t>(buffer_->SampleRate() / 100) >= buffer_->SamplesMade()) {
    Stop();
  }
}

void ReadAloud::Watch(bool on) {
  if (!field_) return;
  if (on) {
    field_->installEventFilter(this);
    field_->viewport()->installEventFilter(this);
    textChanged_ = connect(field_, &QPlainTextEdit::textChanged, this, &ReadAloud::Stop);
  } else {
    field_->removeEventFilter(this);
    field_->viewport()->removeEventFilter(this);
    disconnect(textChanged_);
  }
}

bool ReadAloud::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: Stop(); break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

void ReadAloud::JoinFinishedSpeakers(bool all) {
  for (auto it = speakers_.begin(); it != speakers_.end();) {
    if (all || it->buffer->Finished()) {
      it->thread.join();
      it = speakers_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace tesmoran
