// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>
#include <string>

#include "speech/SyllablePieces.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

// One synthesis call: hands the library's audio on to the sink, turns its
// word events into events on the program's text and adds the silence
// between sentences.
struct Run {
  SpeechSink* sink = nullptr;
  int sampleRate = 0;
  TextView text;                // the whole text
  std::size_t chunkOffset = 0;  // where the spoken chunk begins in it
  bool reportWords = true;
  std::size_t sentencePause = 0;  // samples
  std::size_t emitted = 0;        // samples given to the sink so far, over all calls
  std::size_t libraryDone = 0;    // samples the library has delivered in this call
  bool sentenceSeen = false;
  bool stopped = false;
};

Run* currentRun = nullptr;  // guarded by LibraryLock()

void EmitSilence(Run& run, std::size_t count) {
  static const int16_t kZeros[1024] = {};
  run.emitted += count;
  while (count > 0) {
    const std::size_t part = std::min(count, std::size(kZeros));
    run.sink->Samples(kZeros, part);
    count -= part;
  }
}

void EmitWord(Run& run, const espeak_EVENT& event) {
  if (event.text_position < 1) return;
  // The library counts characters (code points) of the chunk, from 1.
  const std::size_t position = run.chunkOffset + static_cast<std::size_t>(event.text_position) - 1;
  if (position >= run.text.size() || run.text[position] == kSpace) return;
  std::size_t length = std::min(static_cast<std::size_t>(std::max(event.length, 0)), run.text.size() - position);
  if (length == 0) {
    // After some quotation marks the library gives no length: the word is
    // then the letters from its start on.
    length = 1;
    while (position + length < run.text.size() && IsSpokenLetter(run.text[position + length])) ++length;
  }
  run.sink->Event({position, length, SpeechEventKind::kWord, run.emitted});
}

int Collect(short* samples, int count, espeak_EVENT* events) {
  if (currentRun == nullptr) return 1;
  Run& run = *currentRun;
  const std::size_t available = samples != nullptr && count > 0 ? static_cast<std::size_t>(count) : 0;
  std::size_t cursor = 0;  // inside this buffer
  for (espeak_EVENT* event = events; event != nullptr && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type != espeakEVENT_WORD && event->type != espeakEVENT_SENTENCE) continue;
    // Where the event falls inside this buffer, from its time in the call.
    const std::size_t at =
        static_cast<std::size_t>(std::max(event->audio_position, 0)) * static_cast<std::size_t>(run.sampleRate) / 1000;
    const std::size_t split = std::clamp(at, run.libraryDone + cursor, run.libraryDone + available) - run.libraryDone;
    if (split > cursor) {
      run.sink->Samples(samples + cursor, split - cursor);
      run.emitted += split - cursor;
      cursor = split;
    }
    if (event->type == espeakEVENT_SENTENCE) {
      if (run.sentenceSeen) EmitSilence(run, run.sentencePause);
      run.sentenceSeen = true;
    } else if (run.reportWords) {
      EmitWord(run, *event);
    }
  }
  if (available > cursor) {
    run.sink->Samples(samples + cursor, available - cursor);
    run.emitted += available - cursor;
  }
  run.libraryDone += available;
  run.stopped = run.stopped || !run.sink->Wanted();
  return run.stopped ? 1 : 0;
}

// Starts the library once; its sample rate, or 0 when it cannot start.
int StartedLibrary() {
  static int rate = -2;
  if (rate == -2) {
    rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate > 0) espeak_SetSynthCallback(Collect);
  }
  return rate > 0 ? rate : 0;
}

Text MissingVoice(const std::string& voice) {
  return U"Die Stimme „" + DecodeUtf8(voice).value_or(U"?") +
         U"“ für das Vorlesen fehlt. Bitte das Debian-Paket „espeak-ng-data“ installieren.";
}

// Starts the library and chooses the voice; the German message on failure.
Text Prepare(const std::string& voice, int& sampleRate) {
  sampleRate = StartedLibrary();
  if (sampleRate == 0) {
    return U"Die Sprachausgabe startet nicht: ihre Sprachdaten fehlen. Bitte das Debian-Paket „espeak-ng-data“ "
           U"installieren.";
  }
  static std::string chosen;
  if (chosen != voice) {
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK) {
      chosen.clear();
      return MissingVoice(voice);
    }
    chosen = voice;
  }
  return {};
}

// What the library is given: the chunk as UTF-8, every control character
// (line breaks too) and every non-character as a space, so that the
// library's character count stays the program's.
std::string LibraryText(TextView chunk) {
  Text cleaned(chunk);
  for (Char& c : cleaned) {
    if (IsControlChar(c) || c == 0x7F || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kSpace;
  }
  return EncodeUtf8(cleaned);
}

bool SpeakChunk(Run& run, std::size_t offset, std::size_t length) {
  const std::string bytes = LibraryText(run.text.substr(offset, length));
  run.chunkOffset = offset;
  run.libraryDone = 0;
  run.sentenceSeen = false;
  const espeak_ERROR status =
      espeak_Synth(bytes.c_str(), bytes.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
  espeak_Synchronize();
  return status == EE_OK;
}

std::size_t Samples(int milliseconds, int sampleRate) {
  return static_cast<std::size_t>(milliseconds) * static_cast<std::size_t>(sampleRate) / 1000;
}

}  // namespace

EspeakEngine::EspeakEngine(std::shared_ptr<const Syllabifier> syllabifier, std::string voice)
    : syllabifier_(std::move(syllabifier)), voice_(std::move(voice)) {}

Text EspeakEngine::Availability() const {
  const std::lock_guard<std::mutex> guard(LibraryLock());
  int sampleRate = 0;
  return Prepare(voice_, sampleRate);
}

Text EspeakEngine::Speak(TextView text, const SpeechOptions& requested, SpeechSink& sink) const {
  const SpeechOptions options = requested.Clamped();
  if (options.bySyllables && syllabifier_ == nullptr) {
    return U"Silbenweise vorlesen geht erst, wenn die Silbentrennung geladen ist.";
  }
  const std::lock_guard<std::mutex> guard(LibraryLock());
  int sampleRate = 0;
  if (Text error = Prepare(voice_, sampleRate); !error.empty()) return error;
  sink.Begin(sampleRate);
  if (std::all_of(text.begin(), text.end(), [](Char c) { return c == kSpace || IsControlChar(c); })) return {};

  espeak_SetParameter(espeakRATE, options.wordsPerMinute, 0);
  espeak_SetParameter(espeakPITCH, options.pitch, 0);
  espeak_SetParameter(espeakWORDGAP, 0, 0);
  Run run;
  run.sink = &sink;
  run.sampleRate = sampleRate;
  run.text = text;
  run.sentencePause = Samples(options.sentencePauseMs, sampleRate);
  currentRun = &run;
  bool spoken = true;
  if (!options.bySyllables) {
    spoken = SpeakChunk(run, 0, text.size());
  } else {
    run.reportWords = false;
    const std::vector<SyllablePiece> pieces = SyllablePieces(text, syllabifier_->Breaks(text, SyllableKind::kReading));
    for (std::size_t i = 0; i < pieces.size() && spoken && !run.stopped; ++i) {
      const SyllablePiece& piece = pieces[i];
      if (piece.markedLength > 0) {
        sink.Event({piece.markedPosition, piece.markedLength, SpeechEventKind::kSyllable, run.emitted});
      }
      spoken = SpeakChunk(run, piece.position, piece.length);
      if (i + 1 == pieces.size()) break;
      int pauseMs = piece.endsWord ? 2 * options.syllablePauseMs : options.syllablePauseMs;
      if (piece.endsSentence) pauseMs += options.sentencePauseMs;
      EmitSilence(run, Samples(pauseMs, sampleRate));
    }
  }
  currentRun = nullptr;
  if (!spoken) return U"Die Sprachausgabe konnte den Text nicht vorlesen.";
  return {};
}

}  // namespace tesmoran
