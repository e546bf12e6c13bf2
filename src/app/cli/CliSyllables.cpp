// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli silben: "Silben trennen" on a text given on the command line
// or on standard input, through the same frame as the main window.  It
// prints what the solution text receives in replace mode, or with --words
// every line of the input as a hyphenated word-list entry.  Word lists of
// any length are run through the frame in batches, each batch written as
// soon as it is done.
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliChunkedRun.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliExercise.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "files/SyllableExceptionsFile.h"
#include "platform/FixedAnswerUi.h"
#include "worksheet/Worksheet.h"
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

// How many lines go through the frame at a time.
constexpr std::size_t kBatchEntries = 4096;

// Runs the batch of entries through the frame as a selected word list and
// writes the entries; false after a message.
bool RunBatch(const Exercise& exercise, std::vector<Text>& batch, CliEncoding encoding, const CliContext& context) {
  Worksheet ws;
  ws.Liste3 = kModeReplace;
  for (Text& entry : batch) {
    ws.Liste2.Append(std::move(entry));
    ws.Liste2.SetSelected(ws.Liste2.Count() - 1, true);
  }
  batch.clear();
  FixedAnswerUi ui;
  if (RunExercise(exercise, ws, ui).outcome != ExerciseOutcome::kDelivered) {
    for (Text message : ui.Messages()) {
      while (!message.empty() && IsControlChar(message.back())) message.pop_back();
      WriteCliText(message, encoding, context.err, context);
    }
    return false;
  }
  for (const WordEntry& entry : ws.Liste2.Entries()) {
    if (!WriteCliText(entry.text, encoding, context.out, context)) return false;
  }
  return true;
}

// silben --words: every line of the input is an entry; a line ends at LF, a
// CR right before the LF belongs to the line end, and a line end at the very
// end of the input opens no further entry.  The bytes are checked before
// anything is written.
int RunOnWordLines(const Exercise& exercise, const ParsedOptions& options, const CliContext& context) {
  const CliEncoding encoding = EncodingOf(options);
  const std::optional<CliBytes> text = ReadCliBytes(options, encoding, context);
  if (!text) return kExitNothingWritten;
  const std::string_view bytes = text->View();
  if (!CheckCliBytes(bytes, encoding, text->start, text->what, context)) return kExitNothingWritten;
  // No line at all: the frame's path for an empty list (its input is read
  // again and is as empty).
  if (bytes.empty()) return RunExerciseCommand(exercise, options, context);
  std::vector<Text> batch;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r' && end < bytes.size()) --end;
    batch.push_back(*DecodeCliBytes(bytes.substr(start, end - start), encoding, text->what, context));
    start = next;
    if (batch.size() == kBatchEntries && !RunBatch(exercise, batch, encoding, context)) return kExitNothingWritten;
  }
  if (!batch.empty() && !RunBatch(exercise, batch, encoding, context)) return kExitNothingWritten;
  context.out.flush();
  return kExitDone;
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
  const Exercise exercise = SyllableExercise(load.syllabifier, kind);
  // Options that do not fit take the frame's own path with its messages.
  const bool plainWordList = options.Has("--words") && !options.Has("--answer") && !options.Has("--letters");
  if (!plainWordList) return RunExerciseCommand(exercise, options, context);
  return RunOnWordLines(exercise, options, context);
}

}  // namespace tesmoran
