// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli uebungsseite: the practice page of a text, written as one
// HTML file per level, with its sentences spoken into it if asked.  Each file is replaced atomically: a failed write
// leaves an existing file as it was.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExerciseNames.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliTextIo.h"
#include "files/AtomicFile.h"
#include "practice/PracticeFiles.h"
#include "speech/EspeakEngine.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kSynopsis =
    "uebungsseite --html DATEI [--uebung NAME]... [--stufe leicht|mittel|schwer|alle] [--titel T]\n"
    "    [--ohne-loesung] [--silben] [--vorlesen] [--text T] [--encoding utf-8|cp1252]";

// The names of the exercises a page can hold, for the message about one it cannot.
std::string PracticeNames() {
  std::string names;
  for (const PracticeExercise& p : PracticeExercises()) {
    if (!names.empty()) names += ", ";
    names += AsciiName(ButtonExercise(p).caption);
  }
  return names;
}

// The exercises of --uebung; nullopt after a usage message.
std::optional<std::vector<const PracticeExercise*>> ChosenByName(const ParsedOptions& options,
                                                                 const CliContext& context, int& code) {
  std::vector<const PracticeExercise*> chosen;
  for (const std::string& name : options.Values("--uebung")) {
    const Exercise* exercise = FindExerciseByName(name);
    if (!exercise) {
      code = UsageError(context, "unbekannte Übung " + Quoted(name), kSynopsis);
      return std::nullopt;
    }
    const PracticeExercise* practice = FindPracticeExercise(*exercise);
    if (!practice) {
      code = UsageError(context,
                        "die Übung " + Quoted(EncodeUtf8(exercise->caption)) +
                            " gibt es nicht auf der Übungsseite; möglich sind " + PracticeNames(),
                        kSynopsis);
      return std::nullopt;
    }
    if (std::find(chosen.begin(), chosen.end(), practice) == chosen.end()) chosen.push_back(practice);
  }
  return chosen;
}

LevelChoice ChoiceOf(const ParsedOptions& options) {
  const std::string level = options.Value("--stufe").value_or("leicht");
  if (level == "mittel") return LevelChoice::kMedium;
  if (level == "schwer") return LevelChoice::kHard;
  if (level == "alle") return LevelChoice::kAll;
  return LevelChoice::kEasy;
}

}  // namespace

int RunPracticePageCommand(const ParsedOptions& options, const CliContext& context) {
  const std::optional<std::string> target = options.Value("--html");
  if (!target || target->empty()) {
    return UsageError(context, "die Zieldatei fehlt; mit --html DATEI angeben; nichts geschrieben", kSynopsis);
  }
  int code = kExitUsage;
  std::optional<std::vector<const PracticeExercise*>> chosen = ChosenByName(options, context, code);
  if (!chosen) return code;
  // Every file is checked before the text is read, so that a wrong target
  // is said at once.
  const LevelChoice choice = ChoiceOf(options);
  for (const std::filesystem::path& path : PracticeFilePaths(choice, *target)) {
    if (const Text why = ReasonNotWritable(path); !why.empty()) {
      context.Error("--html " + Quoted(path.string()) + ": " + EncodeUtf8(why) + " nichts geschrieben");
      return kExitNothingWritten;
    }
  }

  PracticePageOptions page;
  page.exercises = std::move(*chosen);
  page.solutionAllowed = !options.Has("--ohne-loesung");
  page.syllablesEverywhere = options.Has("--silben");
  page.spokenSentences = options.Has("--vorlesen");
  if (page.spokenSentences) {
    if (const Text missing = EspeakEngine().Availability(); !missing.empty()) {
      context.Error(EncodeUtf8(missing) + " Nichts geschrieben.");
      return kExitNothingWritten;
    }
  }
  const CliEncoding encoding = EncodingOf(options);
  if (const std::optional<std::string> title = options.Value("--titel")) {
    std::optional<Text> text = DecodeCliBytes(*title, encoding, "--titel", context);
    if (!text) return kExitNothingWritten;
    page.title = std::move(*text);
  }
  std::optional<Text> text = ReadCliText(options, encoding, context);
  if (!text) return kExitNothingWritten;
  if (text->empty()) {
    context.Error("kein Originaltext vorhanden; nichts geschrieben");
    return kExitNothingWritten;
  }
  page.text = std::move(*text);

  // The reading syllables colour the easy level, and every level with --silben.
  SyllabifierLoad engine;
  if (page.syllablesEverywhere || (choice != LevelChoice::kMedium && choice != LevelChoice::kHard)) {
    engine = LoadSyllabifier();
    if (!engine.syllabifier) {
      context.Error(EncodeUtf8(engine.error) +
                    (page.syllablesEverywhere ? " Nichts geschrieben." : " Die Seite bekommt keine Silbenfarben."));
      if (page.syllablesEverywhere) return kExitNothingWritten;
    }
    page.syllabifier = engine.syllabifier.get();
  }

  const PracticeFilesWritten written = WritePracticeFiles(page, choice, *target);
  if (!written.ok) {
    context.Error(Quoted(written.failed.string()) + " nicht geschrieben: " + EncodeUtf8(written.reason));
    return kExitNothingWritten;
  }
  return kExitDone;
}

}  // namespace tesmoran
