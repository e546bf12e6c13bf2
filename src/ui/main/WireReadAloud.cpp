// SPDX-License-Identifier: GPL-3.0-or-later
// "Vorlesen": the menu of that name reads the original text (F5), the
// solution text, or the original text syllable by syllable, in the chosen
// Sprechtempo, and "Anhalten" (Esc) stops.  "Als Audiodatei speichern…" in
// the file menu writes the original text spoken into a file.  Both work on
// the marked part of the text, or on all of it.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

#include "platform/qt/QtText.h"
#include "speech/EspeakEngine.h"
#include "ui/common/ProgramSettings.h"
#include "ui/main/Form1.h"
#include "ui/main/Wiring.h"
#include "ui/speech/AudioFileSaver.h"
#include "ui/speech/ReadAloud.h"
#include "ui/speech/ReadAloudMenu.h"
#include "ui/speech/SpokenPart.h"
#include "ui/syllables/SyllableEngineLoader.h"

namespace tesmoran {
namespace {

constexpr TextView kReadAloudTitle = U"Vorlesen";

void Tell(Form1& form, const QString& message, int styleValue = style::kOkExclamation) {
  form.Ui().MessageBox(FromQString(message), styleValue, Text(kReadAloudTitle));
}

// Runs `speak` with an engine: at once, or for "silbenweise" once the
// syllable engine with the user's exceptions is there.
void WithEngine(Form1& form, bool bySyllables, std::function<void(std::shared_ptr<const SpeechEngine>)> speak) {
  if (!bySyllables) {
    speak(std::make_shared<const EspeakEngine>());
    return;
  }
  SyllableEngineLoader::Of(form).WhenReady(&form, [&form, speak](const SyllableEngineLoader& loader) {
    if (std::shared_ptr<const Syllabifier> syllables = UserSyllabifier(loader, form.Ui())) {
      speak(std::make_shared<const EspeakEngine>(std::move(syllables)));
    }
  });
}

}  // namespace

void WireReadAloud(Form1& form, QMenu* readAloud, QAction* saveAudio) {
  ReadAloud& reader = ReadAloud::Of(form);
  const ReadAloudMenu entries = FillReadAloudMenu(*readAloud, ProgramSettings());
  const Form1Controls& c = form.Controls();
  auto options = [entries](bool bySyllables) {
    SpeechOptions chosen;
    chosen.wordsPerMinute = entries.WordsPerMinute();
    chosen.bySyllables = bySyllables;
    return chosen;
  };

  auto read = [&form, &reader, options](QPlainTextEdit* field, bool bySyllables, QString empty) {
    WithEngine(form, bySyllables, [&form, &reader, field, bySyllables, options, empty](auto engine) {
      if (!reader.Start(*field, std::move(engine), options(bySyllables))) Tell(form, empty);
    });
  };
  const QString noOriginal = QStringLiteral("Im Originaltext steht nichts, was vorgelesen werden kann.");
  QObject::connect(entries.original, &QAction::triggered, &form,
                   [read, field = c.Text1, noOriginal] { read(field, false, noOriginal); });
  QObject::connect(entries.bySyllables, &QAction::triggered, &form,
                   [read, field = c.Text1, noOriginal] { read(field, true, noOriginal); });
  QObject::connect(entries.solution, &QAction::triggered, &form, [read, field = c.Text2] {
    read(field, false, QStringLiteral("Im Lösungstext steht nichts, was vorgelesen werden kann."));
  });
  QObject::connect(entries.stop, &QAction::triggered, &reader, &ReadAloud::Stop);
  QObject::connect(&reader, &ReadAloud::SpeakingChanged, entries.stop, &QAction::setEnabled);
  QObject::connect(&reader, &ReadAloud::Failed, &form, [&form](const QString& why) { Tell(form, why); });

  auto* saver = new AudioFileSaver(&form);
  // While a file is written the entry rests, and says why.
  QObject::connect(saveAudio, &QAction::triggered, &form,
                   [&form, saver, saveAudio, options, field = c.Text1, noOriginal] {
                     const SpokenPart part = PartToSpeak(*field);
                     if (!part.HasWords()) {
                       Tell(form, noOriginal);
                       return;
                     }
                     if (saver->Save(&form, std::make_shared<const EspeakEngine>(), part.text, options(false))) {
                       saveAudio->setEnabled(false);
                       saveAudio->setToolTip(QStringLiteral("Die Audiodatei wird geschrieben …"));
                     }
                   });
  QObject::connect(saver, &AudioFileSaver::Done, &form, [&form, saveAudio](const QString& path, const QString& error) {
    saveAudio->setEnabled(true);
    saveAudio->setToolTip({});
    if (!error.isEmpty()) {
      Tell(form, QStringLiteral("Die Audiodatei „%1“ wurde nicht gespeichert: %2").arg(path, error), style::kOkStop);
    }
  });

  // Greyed out, with the reason, until the voice and the sound output are
  // known to be there.
  entries.SetUnavailable(QStringLiteral("Die Sprachausgabe wird vorbereitet …"));
  saveAudio->setEnabled(false);
  QObject::connect(&reader, &ReadAloud::Availability, &form,
                   [entries, saveAudio](const QString& noVoice, const QString& noOutput) {
                     entries.SetUnavailable(noVoice.isEmpty() ? noOutput : noVoice);
                     saveAudio->setEnabled(noVoice.isEmpty());
                     saveAudio->setToolTip(noVoice);
                   });
  reader.CheckAvailability(std::make_shared<const EspeakEngine>());
}

}  // namespace tesmoran
