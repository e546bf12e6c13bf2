// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli silben: "Silben trennen" on a text given on the command line
// or on standard input, through the same frame as the main window.  It
// prints what the solution text receives in replace mode, or with --words
// every line of the input as a hyphenated word-list entry.
#include <optional>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExercise.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "files/SyllableExceptionsFile.h"
#include "text/Utf8.h"
#include "worksheet/SyllableExercise.h"

namespace tesmoran {
namespace {

// The user's exceptions from a UTF-8 file; nullopt when it cannot be used.
// Malformed lines are reported once and skipped.
std::optional<SyllableExceptions> ReadExceptions(const std::string& path, const CliContext& context) {
  ExceptionsFileLoad load = LoadSyllableExceptionsFile(path, context.readLimit);
  if (load.failure != ReadFailure::kNone) {
    ReportReadFailure(path, "die Datei der Silben-Ausnahmen", load.failure, context);
    return std::nullopt;
  }
  if (load.notUtf8) {
    context.Error("die Datei der Silben-Ausnahmen " + Quoted(path) + " ist kein UTF-8-Text; nichts geschrieben");
    return std::nullopt;
  }
  if (const Text report = load.exceptions.MalformedReport(); !report.empty()) context.Error(EncodeUtf8(report));
  return std::move(load.exceptions);
}

}  // namespace

int RunSyllablesCommand(const ParsedOptions& options, const CliContext& context) {
  SyllableExceptions exceptions;
  if (const std::optional<std::string> path = options.Value("--ausnahmen")) {
    std::optional<SyllableExceptions> read = ReadExceptions(*path, context);
    if (!read) return kExitNothingWritten;
    exceptions = std::move(*read);
  }
  const SyllabifierLoad load = LoadSyllabifier({}, std::move(exceptions));
  if (!load.syllabifier) {
    context.Error(EncodeUtf8(load.error));
    return kExitNothingWritten;
  }
  const SyllableKind kind = options.Has("--schreibsilben") ? SyllableKind::kLineBreak : SyllableKind::kReading;
  return RunExerciseCommand(SyllableExercise(load.syllabifier, kind), options, context);
}

}  // namespace tesmoran
