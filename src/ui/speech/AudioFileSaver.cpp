// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/AudioFileSaver.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include "files/OpusFile.h"
#include "files/WavFile.h"
#include "platform/qt/QtText.h"
#include "ui/common/ProgramSettings.h"

namespace tesmoran {
namespace {

const QString kKeyFolder = QStringLiteral("Vorlesen/Ordner");
const QString kWavFilter = QStringLiteral("WAV-Audiodateien (*.wav)");
const QString kOpusFilter = QStringLiteral("Ogg-Opus-Audiodateien, klein (*.opus *.ogg)");

QString ChooseAudioFile(QWidget* parent, const QString& suggestion) {
  QString filter = kWavFilter;
  QString chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("Als Audiodatei speichern"), suggestion,
                                                kWavFilter + QStringLiteral(";;") + kOpusFilter, &filter);
  if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
    chosen += filter == kOpusFilter ? QStringLiteral(".opus") : QStringLiteral(".wav");
  }
  return chosen;
}

// Ogg Opus for the names that say so, WAV for every other name.
bool IsOpusName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("opus") || suffix == QLatin1String("ogg");
}

}  // namespace

AudioFileSaver::AudioFileSaver(QObject* parent) : QObject(parent), chooseFile(ChooseAudioFile) {}

AudioFileSaver::~AudioFileSaver() {
  if (writer_.joinable()) writer_.join();
}

bool AudioFileSaver::Save(QWidget* parent, std::shared_ptr<const SpeechEngine> engine, Text text,
                          const SpeechOptions& options) {
  if (busy_) return false;
  QSettings& store = ProgramSettings();
  const QString folder = store.value(kKeyFolder, QDir::homePath()).toString();
  const QString path = chooseFile(parent, QDir(folder).filePath(QStringLiteral("Vorlesetext.wav")));
  if (path.isEmpty()) return false;
  store.setValue(kKeyFolder, QFileInfo(path).absolutePath());

  if (writer_.joinable()) writer_.join();
  busy_ = true;
  writer_ = std::thread([this, path, engine = std::move(engine), text = std::move(text), options] {
    const std::filesystem::path target = QFile::encodeName(path).toStdString();
    const WriteResult written = IsOpusName(path) ? WriteSpeechAsOpus(target, *engine, text, options)
                                                 : WriteSpeechAsWav(target, *engine, text, options);
    const QString error = written.ok ? QString() : ToQString(written.reason);
    // The saver outlives the thread (its destructor joins it); a result
    // posted while it goes is dropped with it.
    QMetaObject::invokeMethod(
        this,
        [this, path, error] {
          busy_ = false;
          Q_EMIT Done(path, error);
        },
        Qt::QueuedConnection);
  });
  return true;
}

}  // namespace tesmoran
