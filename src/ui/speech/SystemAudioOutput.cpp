// SPDX-License-Identifier: GPL-3.0-or-later
// The system's sound output through Qt Multimedia: a sink that pulls the
// samples itself, on the window thread's event loop, in small pieces, so the
// window never waits for it.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "ui/speech/AudioOutput.h"

namespace tesmoran {
namespace {

QAudioFormat MonoFormat(int sampleRate) {
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

class SystemOutput : public AudioOutput {
 public:
  QString Unavailable() const override {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
      return QStringLiteral(
          "Kein Lautsprecher oder Kopfhörer gefunden: zum Vorlesen braucht der Rechner eine "
          "Tonausgabe.");
    }
    return {};
  }

  QString Start(QIODevice& source, int sampleRate) override {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return Unavailable();
    const QAudioFormat format = MonoFormat(sampleRate);
    if (!device.isFormatSupported(format)) {
      return QStringLiteral("Die Tonausgabe „%1“ kann die Sprache nicht abspielen.").arg(device.description());
    }
    sampleRate_ = sampleRate;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&source);
    if (sink_->error() != QAudio::NoError) {
      sink_.reset();
      return QStringLiteral("Die Tonausgabe ließ sich nicht öffnen.");
    }
    return {};
  }

  qint64 PlayedSamples() const override {
    if (!sink_) return 0;
    return (sink_->processedUSecs() * sampleRate_ + 500000) / 1000000;
  }

  QString Broken() const override {
    if (!sink_ || (sink_->error() != QAudio::FatalError && sink_->error() != QAudio::IOError)) return {};
    return QStringLiteral("Die Tonausgabe ist ausgefallen; das Vorlesen wurde angehalten.");
  }

  void Stop() override {
    if (!sink_) return;
    sink_->stop();
    sink_.reset();
  }

 private:
  std::unique_ptr<QAudioSink> sink_;
  int sampleRate_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> SystemAudioOutput() { return std::make_unique<SystemOutput>(); }

}  // namespace tesmoran
