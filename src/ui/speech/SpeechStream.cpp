// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/SpeechStream.h"

#include <cstring>
#include <vector>

namespace tesmoran {

SpeechStream::SpeechStream(SpeechBuffer& buffer, QObject* parent) : QIODevice(parent), buffer_(buffer) {
  open(QIODevice::ReadOnly);
}

bool SpeechStream::atEnd() const { return buffer_.Drained() || buffer_.Stopped(); }

qint64 SpeechStream::bytesAvailable() const {
  return static_cast<qint64>(buffer_.Available() * sizeof(int16_t)) + QIODevice::bytesAvailable();
}

qint64 SpeechStream::readData(char* data, qint64 maxSize) {
  if (buffer_.Stopped()) return 0;
  // The device's bytes need not be aligned for 16-bit samples.
  std::vector<int16_t> samples(static_cast<std::size_t>(maxSize) / sizeof(int16_t));
  const std::size_t count = buffer_.Read(samples.data(), samples.size());
  std::memcpy(data, samples.data(), count * sizeof(int16_t));
  return static_cast<qint64>(count * sizeof(int16_t));
}

}  // namespace tesmoran
