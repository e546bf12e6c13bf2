// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli vorlesen: the text spoken by the German voice into a WAV
// file.  The file is replaced atomically: a failed write leaves an existing
// file as it was.
#include <charconv>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliTextIo.h"
#include "files/AtomicFile.h"
#include "files/WavFile.h"
#include "speech/EspeakEngine.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kReadAloudSynopsis =
    "vorlesen --wav DATEI [--tempo N] [--silbenweise] [--text T] [--encoding utf-8|cp1252]";

// The words a minute of --tempo; nullopt when it is no whole number in range.
std::optional<int> TempoOf(const std::string& value) {
  int tempo = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, tempo);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (tempo < SpeechOptions::kMinWordsPerMinute || tempo > SpeechOptions::kMaxWordsPerMinute) return std::nullopt;
  return tempo;
}

}  // namespace

int RunReadAloudCommand(const ParsedOptions& options, const CliContext& context) {
  const std::optional<std::string> target = options.Value("--wav");
  if (!target || target->empty()) {
    return UsageError(context, "die Zieldatei fehlt; mit --wav DATEI angeben; nichts geschrieben", kReadAloudSynopsis);
  }
  SpeechOptions speech;
  if (const std::optional<std::string> tempo = options.Value("--tempo")) {
    const std::optional<int> wordsPerMinute = TempoOf(*tempo);
    if (!wordsPerMinute) {
      return UsageError(context,
                        "--tempo " + Quoted(*tempo) + ": das Sprechtempo ist eine ganze Zahl von 80 bis 250 " +
                            "(Wörter je Minute); nichts geschrieben",
                        kReadAloudSynopsis);
    }
    speech.wordsPerMinute = *wordsPerMinute;
  }
  speech.bySyllables = options.Has("--silbenweise");
  // A wrong target is said before the text is read and spoken.
  if (const Text why = ReasonNotWritable(*target); !why.empty()) {
    context.Error("--wav " + Quoted(*target) + ": " + EncodeUtf8(why) + " Nichts geschrieben.");
    return kExitNothingWritten;
  }

  std::optional<Text> text = ReadCliText(options, EncodingOf(options), context);
  if (!text) return kExitNothingWritten;
  if (text->empty()) {
    context.Error("kein Originaltext vorhanden; nichts geschrieben");
    return kExitNothingWritten;
  }

  // "Silbenweise" needs the reading syllables of the syllable engine.
  std::shared_ptr<const Syllabifier> syllabifier;
  if (speech.bySyllables) {
    SyllabifierLoad load = LoadSyllabifier();
    if (!load.syllabifier) {
      context.Error(EncodeUtf8(load.error) + " Nichts geschrieben.");
      return kExitNothingWritten;
    }
    syllabifier = load.syllabifier;
  }
  const EspeakEngine engine(syllabifier);
  if (const Text missing = engine.Availability(); !missing.empty()) {
    context.Error(EncodeUtf8(missing) + " Nichts geschrieben.");
    return kExitNothingWritten;
  }

  const WriteResult written = WriteSpeechAsWav(*target, engine, *text, speech);
  if (!written.ok) {
    context.Error(Quoted(*target) + " nicht geschrieben: " + EncodeUtf8(written.reason));
    return kExitNothingWritten;
  }
  return kExitDone;
}

}  // namespace tesmoran
