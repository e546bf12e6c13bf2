// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Als Audiodatei speichern…": the text spoken into a file the pupil can take
// home, written on a thread of its own so that the window goes on answering
// while a long text is spoken.  The file is replaced atomically: a failed
// write leaves an existing file as it was.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <thread>

#include "speech/SpeechEngine.h"
#include "text/Text.h"

class QWidget;

namespace tesmoran {

class AudioFileSaver : public QObject {
  Q_OBJECT
 public:
  explicit AudioFileSaver(QObject* parent = nullptr);
  // Waits for a write still going on.
  ~AudioFileSaver() override;

  // The file to write, empty when cancelled; tests put their own here.
  std::function<QString(QWidget* parent, const QString& suggestion)> chooseFile;

  // Asks for the file and starts writing the spoken text into it; false
  // when cancelled or while another write is going on.
  bool Save(QWidget* parent, std::shared_ptr<const SpeechEngine> engine, Text text, const SpeechOptions& options);
  bool Busy() const { return busy_; }

 Q_SIGNALS:
  // On the window thread, once the write has ended; `error` is German and
  // empty when the file was written.
  void Done(const QString& path, const QString& error);

 private:
  std::thread writer_;
  bool busy_ = false;
};

}  // namespace tesmoran
