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
  if (stopped_) return;
  pending_.insert(pending_.end(), samples, samples + count);
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
  const std::size_t count = std::min(max, pending_.size() - pendingStart_);
  std::copy_n(pending_.begin() + static_cast<std::ptrdiff_t>(pendingStart_), count, out);
  pendingStart_ += count;
  // Let go of what was played once it is at least half the buffer, so that
  // moving the rest down costs no more than the reading did.
  if (pendingStart_ > 0 && pendingStart_ * 2 >= pending_.size()) {
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(pendingStart_));
    pendingStart_ = 0;
  }
  return count;
}

std::size_t SpeechBuffer::Available() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return pending_.size() - pendingStart_;
}

bool SpeechBuffer::Finished() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return finished_;
}

bool SpeechBuffer::Drained() const {
  const std::lock_guard<std::mutex> guard(mutex_);
  return finished_ && pendingStart_ == pending_.size();
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
