// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechBuffer.h"

#include <algorithm>

namespace tesmoran {

void SpeechBuffer::Begin(int sampleRate) {
  const std::lock_guard<std::mutex> guard(mutex_);
  sampleRate_ = sampleRate;
}

void SpeechBuffer::Samples(const int16_t* samples, std::size_t count) {
  const std::lock_guard<std::mutex> guard(mutex_);
  if (stopped_ || count == 0) return;
  pieces_.emplace_back(samples, samples + count);
  available_ += count;
  made_ += count;
}

void SpeechBuffer::Event(const SpeechEvent& event) {
  const std::lock_guard<std::mutex> guard(mutex_);
  if (!stopped_) events_.push_back(event);
}

bool SpeechBuffer::Wanted() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return !stopped_;
}

void SpeechBuffer::Finish(Text error) {
  const std::lock_guard<std::mutex> guard(mutex_);
  finished_ = true;
  error_ = std::move(error);
}

void SpeechBuffer::Stop() {
  const std::lock_guard<std::mutex> guard(mutex_);
  stopped_ = true;
}

std::size_t SpeechBuffer::Read(int16_t* out, std::size_t max) {
  const std::lock_guard<std::mutex> guard(mutex_);
  std::size_t copied = 0;
  while (copied < max && !pieces_.empty()) {
    const std::vector<int16_t>& front = pieces_.front();
    const std::size_t count = std::min(max - copied, front.size() - readInFront_);
    std::copy_n(front.begin() + static_cast<std::ptrdiff_t>(readInFront_), count, out + copied);
    copied += count;
    readInFront_ += count;
    if (readInFront_ == front.size()) {
      pieces_.pop_front();
      readInFront_ = 0;
    }
  }
  available_ -= copied;
  return copied;
}

std::size_t SpeechBuffer::Available() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return available_;
}

bool SpeechBuffer::Finished() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return finished_;
}

bool SpeechBuffer::Drained() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return finished_ && available_ == 0;
}

bool SpeechBuffer::Stopped() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return stopped_;
}

int SpeechBuffer::SampleRate() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return sampleRate_;
}

std::size_t SpeechBuffer::SamplesMade() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return made_;
}

Text SpeechBuffer::Error() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return error_;
}

std::optional<SpeechEvent> SpeechBuffer::EventAt(std::size_t offset) const {
  const std::lock_guard<std::mutex> guard(mutex_);
  const auto after = std::upper_bound(events_.begin(), events_.end(), offset,
                                      [](std::size_t o, const SpeechEvent& e) { return o < e.sampleOffset; });
  if (after == events_.begin()) return std::nullopt;
  return *std::prev(after);
}

}  // namespace tesmoran
