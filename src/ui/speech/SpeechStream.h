// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The samples of a speech buffer as a device the sound output reads from.
// It hands over what is there and never waits: when the speaking thread has
// not caught up yet, the output simply gets nothing for a moment.
#include <QIODevice>

#include "speech/SpeechBuffer.h"

namespace tesmoran {

class SpeechStream : public QIODevice {
  Q_OBJECT
 public:
  explicit SpeechStream(SpeechBuffer& buffer, QObject* parent = nullptr);

  bool isSequential() const override { return true; }
  bool atEnd() const override;
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  SpeechBuffer& buffer_;
};

}  // namespace tesmoran
