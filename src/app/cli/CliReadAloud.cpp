// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli vorlesen: the text spoken by the German voice into a WAV
// file, an Ogg Opus file, or both.  Each file is replaced atomically: a
// failed write leaves an existing file as it was.
#include <charconv>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliTextIo.h"
#include "files/AtomicFile.h"
#include "files/OpusFile.h"
#include "files/WavFile.h"
#include "speech/EspeakEngine.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kReadAloudSynopsis =
    "vorlesen [--wav DATEI] [--opus DATEI] [--tempo N] [--silbenweise] [--text T]\n"
    "    [--encoding utf-8|cp1252]";

// One file to write: its option, its name and how it is written.
struct AudioTarget {
  const char* option;
  std::string path;
  WriteResult (*write)(const std::filesystem::path&, const SpeechEngine&, TextView, const SpeechOptions&);
};

WriteResult WriteWav(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                     const SpeechOptions& options) {
  return WriteSpeechAsWav(target, engine, text, options);
}

WriteResult WriteOpus(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                      const SpeechOptions& options) {
  return WriteSpeechAsOpus(target, engine, text, options);
}

// The files of --wav and --opus, WAV first; empty when one is given without
// a name or neither is given.
std::vector<AudioTarget> TargetsOf(const ParsedOptions& options) {
  std::vector<AudioTarget> targets;
  for (const AudioTarget& kind : {AudioTarget{"--wav", {}, WriteWav}, AudioTarget{"--opus", {}, WriteOpus}}) {
    const std::optional<std::string> path = options.Value(kind.option);
    if (!path) continue;
    if (path->empty()) return {};
    targets.push_back({kind.option, *path, kind.write});
  }
  return targets;
}

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
  const std::vector<AudioTarget> targets = TargetsOf(options);
  if (targets.empty()) {
    return UsageError(context, "die Zieldatei fehlt; mit --wav DATEI oder --opus DATEI angeben; nichts geschrieben",
                      kReadAloudSynopsis);
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
  for (const AudioTarget& target : targets) {
    if (const Text why = ReasonNotWritable(target.path); !why.empty()) {
      context.Error(std::string(target.option) + " " + Quoted(target.path) + ": " + EncodeUtf8(why) +
                    " Nichts geschrieben.");
      return kExitNothingWritten;
    }
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

  // Each file is spoken on its own; one that fails stops before the next.
  for (const AudioTarget& target : targets) {
    const WriteResult written = target.write(target.path, engine, *text, speech);
    if (!written.ok) {
      context.Error(Quoted(target.path) + " nicht geschrieben: " + EncodeUtf8(written.reason));
      return kExitNothingWritten;
    }
  }
  return kExitDone;
}

}  // namespace tesmoran
