// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a ten-page text aloud in a text field, measured where the window
// could wait: starting (the text taken from the field, the speaking thread
// started), moving the mark to a word far down (with scrolling), and the
// longest time the window thread was kept busy during a whole reading, with
// a sound output that plays a hundred times faster than real time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "speech/EspeakEngine.h"
#include "ui/speech/ReadAloud.h"
#include "ui/speech/SpokenWordMark.h"

namespace {

using namespace tesmoran;

// Ten pages of about 2,600 characters.
QString TenPages() {
  const QString sentence = QStringLiteral("Der Hund bellt laut. Die Katze schläft über dem Ofen, öfter als gedacht. ");
  QString text;
  while (text.size() < 26000) text += sentence + (text.size() % 400 < 80 ? QStringLiteral("\n") : QString());
  return text;
}

// Plays `speed` times faster than real time from the window thread.
class FastOutput : public AudioOutput {
 public:
  explicit FastOutput(int speed) : speed_(speed) {}
  QString Unavailable() const override { return {}; }
  QString Start(QIODevice& source, int sampleRate) override {
    source_ = &source;
    rate_ = sampleRate;
    clock_.start();
    return {};
  }
  qint64 PlayedSamples() const override {
    if (!source_) return 0;
    const qint64 due = clock_.elapsed() * rate_ / 1000 * speed_;
    while (played_ < due) {
      const QByteArray bytes = source_->read(std::min<qint64>(2 * (due - played_), 1 << 16));
      if (bytes.isEmpty()) break;
      played_ += bytes.size() / 2;
    }
    return played_;
  }
  void Stop() override { source_ = nullptr; }

 private:
  int speed_;
  QIODevice* source_ = nullptr;
  int rate_ = 0;
  QElapsedTimer clock_;
  mutable qint64 played_ = 0;
};

void BM_StartReadingTenPages(benchmark::State& state) {
  QPlainTextEdit field;
  field.setPlainText(TenPages());
  ReadAloud reader;
  reader.SetAudioOutput(std::make_unique<FastOutput>(1));
  const auto engine = std::make_shared<const EspeakEngine>();
  for (auto _ : state) {
    reader.Start(field, engine, SpeechOptions());
    state.PauseTiming();
    reader.Stop();
    state.ResumeTiming();
  }
}

void BM_MarkAWordFarDown(benchmark::State& state) {
  QPlainTextEdit field;
  field.resize(600, 300);
  field.setPlainText(TenPages());
  field.show();
  int at = 0;
  for (auto _ : state) {
    at = (at + 7919) % 25000;
    MarkSpokenWord(field, at, at + 4);
  }
}

void BM_LongestWaitWhileReadingTenPages(benchmark::State& state) {
  QPlainTextEdit field;
  field.resize(600, 300);
  field.setPlainText(TenPages());
  field.show();
  ReadAloud reader;
  reader.SetAudioOutput(std::make_unique<FastOutput>(100));
  const auto engine = std::make_shared<const EspeakEngine>();
  qint64 longest = 0;
  for (auto _ : state) {
    QElapsedTimer sinceLast;
    QTimer beat;
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] { longest = std::max(longest, sinceLast.restart()); });
    sinceLast.start();
    beat.start();
    reader.Start(field, engine, SpeechOptions());
    while (reader.Speaking()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  state.counters["longest_wait_ms"] = double(longest);
}

}  // namespace

BENCHMARK(BM_StartReadingTenPages)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MarkAWordFarDown)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_LongestWaitWhileReadingTenPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
