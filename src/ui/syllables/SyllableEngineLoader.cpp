// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/syllables/SyllableEngineLoader.h"

#include <QApplication>
#include <QCursor>

namespace tesmoran {

SyllableEngineLoader::SyllableEngineLoader(QObject* parent)
    : QObject(parent), load_([] { return HyphenPatterns::Open(); }) {
  setObjectName(QStringLiteral("Silbenlader"));
}

SyllableEngineLoader& SyllableEngineLoader::Of(QObject& window) {
  if (auto* existing =
          window.findChild<SyllableEngineLoader*>(QStringLiteral("Silbenlader"), Qt::FindDirectChildrenOnly)) {
    return *existing;
  }
  return *new SyllableEngineLoader(&window);
}

SyllableEngineLoader::~SyllableEngineLoader() {
  // The thread only reads the patterns and posts its result to this object;
  // once it is joined, the posted result goes with the object.
  if (thread_.joinable()) thread_.join();
  if (!waiters_.empty()) QApplication::restoreOverrideCursor();
}

void SyllableEngineLoader::SetLoadFunction(LoadFunction load) {
  if (!started_) load_ = std::move(load);
}

void SyllableEngineLoader::Start() {
  if (started_) return;
  started_ = true;
  thread_ = std::thread([this, load = load_] {
    HyphenPatterns::Load result = load();
    QMetaObject::invokeMethod(
        this, [this, result = std::move(result)]() mutable { Finish(std::move(result)); }, Qt::QueuedConnection);
  });
}

void SyllableEngineLoader::WhenReady(QObject* context, ReadyFunction then) {
  if (ready_) {
    then(*this);
    return;
  }
  if (waiters_.empty()) QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
  waiters_.push_back({context, std::move(then)});
  Start();
}

void SyllableEngineLoader::Finish(HyphenPatterns::Load load) {
  if (thread_.joinable()) thread_.join();  // its last step was posting this
  result_ = std::move(load);
  ready_ = true;
  std::vector<Waiter> waiters = std::move(waiters_);
  waiters_.clear();
  if (!waiters.empty()) QApplication::restoreOverrideCursor();
  Q_EMIT Ready();
  for (Waiter& waiter : waiters) {
    if (waiter.context) waiter.then(*this);
  }
}

SyllabifierLoad SyllableEngineLoader::Engine(SyllableExceptions exceptions) const {
  if (!ready_ || result_.patterns == nullptr) return {nullptr, result_.error};
  return {std::make_shared<PatternSyllabifier>(result_.patterns, std::move(exceptions)), {}};
}

}  // namespace tesmoran
