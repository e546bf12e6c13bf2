// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The syllable engine's pattern file, read on a thread of its own so that
// no window waits for it.  The main window starts the reading right after it
// is shown; a command that needs syllables asks through WhenReady and runs at
// once when the patterns are there, or else later, with the busy cursor in
// the meantime, without the window ever stopping to answer.
#include <QObject>
#include <QPointer>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "syllables/HyphenPatterns.h"
#include "syllables/PatternSyllabifier.h"

namespace tesmoran {

class SyllableEngineLoader : public QObject {
  Q_OBJECT
 public:
  // What reads the patterns; runs on the loading thread.
  using LoadFunction = std::function<HyphenPatterns::Load()>;
  // What a command does with the patterns; runs on the window thread.
  using ReadyFunction = std::function<void(const SyllableEngineLoader&)>;

  // The loader of this window (made on the first call), which every
  // command of the window and of its own windows asks.
  static SyllableEngineLoader& Of(QObject& window);

  explicit SyllableEngineLoader(QObject* parent = nullptr);
  // Waits for a reading still going on, so that the program ends cleanly.
  ~SyllableEngineLoader() override;

  // Tests put a reading of their own here before it starts.
  void SetLoadFunction(LoadFunction load);

  // Starts reading the patterns on the loading thread; only the first call
  // does anything.
  void Start();
  // Whether the patterns were read (or failed to be).
  bool IsReady() const { return ready_; }

  // Runs `then` on the window thread once the patterns are read: at once
  // when they are, else after the reading (started here if need be) ends.
  // Nothing runs when `context` is gone by then.
  void WhenReady(QObject* context, ReadyFunction then);

  // Only once ready.  The engine on the patterns with these exceptions, or
  // none and the German message why the patterns are missing.
  SyllabifierLoad Engine(SyllableExceptions exceptions = {}) const;

 Q_SIGNALS:
  // Emitted on the window thread once the patterns were read.
  void Ready();

 private:
  struct Waiter {
    QPointer<QObject> context;
    ReadyFunction then;
  };
  void Finish(HyphenPatterns::Load load);

  LoadFunction load_;
  std::thread thread_;
  bool started_ = false;
  bool ready_ = false;
  HyphenPatterns::Load result_;
  std::vector<Waiter> waiters_;
};

}  // namespace tesmoran
