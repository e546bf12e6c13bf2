// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliExercise.h"

#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliChunkedRun.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliHelp.h"
#include "app/cli/CliTextIo.h"
#include "platform/FixedAnswerUi.h"
#include "worksheet/Worksheet.h"

namespace tesmoran {
namespace {

const std::vector<OptionSpec> kExerciseOptions = {
    {"--answer", true, "yes|no|ja|nein", "yes oder no (auch ja oder nein)"},
    {"--letters", true, "", ""},
    {"--words", false, "", ""},
    TextOption(),
    EncodingOption(),
};

// Cuts the input into word-list entries: a line ends at LF, a CR right
// before the LF belongs to the line end, and a line end at the very end of
// the input opens no further entry.
bool FillWordList(const Text& input, WordList& list, const CliContext& context) {
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find(kLF, start);
    const std::size_t next = end == Text::npos ? input.size() : end + 1;
    if (end == Text::npos) end = input.size();
    if (end > start && input[end - 1] == kCR && end < input.size()) --end;
    if (!list.Append(input.substr(start, end - start))) {
      context.Error("die Wörterliste fasst höchstens " + std::to_string(WordList::kMaxEntries) +
                    " Einträge; nichts geschrieben");
      return false;
    }
    list.SetSelected(list.Count() - 1, true);
    start = next;
  }
  return true;
}

// Prints the messages of the exercise; a trailing CR or LF of a prompt is
// not printed.
void PrintMessages(const std::vector<Text>& messages, CliEncoding encoding, const CliContext& context) {
  for (Text message : messages) {
    while (!message.empty() && IsControlChar(message.back())) message.pop_back();
    WriteCliText(message, encoding, context.err, context);
  }
}

// A usage error when an option does not fit the exercise's question.
std::optional<std::string> MisfittingOption(const Exercise& exercise, const ParsedOptions& options) {
  if (options.Has("--answer") && exercise.question.kind != Question::Kind::kYesNo) {
    return "die Übung stellt keine Ja/Nein-Frage; --answer passt nicht dazu";
  }
  if (options.Has("--letters") && exercise.question.kind != Question::Kind::kInput) {
    return "die Übung fragt nach keinen Zeichen; --letters passt nicht dazu";
  }
  return std::nullopt;
}

int WriteResult(const Worksheet& ws, bool onWordList, CliEncoding encoding, const CliContext& context) {
  if (!onWordList) {
    return WriteCliText(ws.Text2, encoding, context.out, context) ? kExitDone : kExitNothingWritten;
  }
  for (const WordEntry& entry : ws.Liste2.Entries()) {
    if (!WriteCliText(entry.text, encoding, context.out, context)) return kExitNothingWritten;
  }
  return kExitDone;
}

// The exit code of an outcome; the messages and the reason on standard error.
int ReportOutcome(ExerciseOutcome outcome, const FixedAnswerUi& ui, CliEncoding encoding, const CliContext& context) {
  switch (outcome) {
    case ExerciseOutcome::kMessageShown: PrintMessages(ui.Messages(), encoding, context); return kExitNothingWritten;
    case ExerciseOutcome::kNothingToDo:
      context.Error("die Übung braucht die zu ersetzenden Zeichen (--letters); nichts geschrieben");
      return kExitNothingWritten;
    case ExerciseOutcome::kDelivered: break;
  }
  return kExitDone;
}

// Runs the exercise once on the whole text (or on the word list made of its
// lines) and writes the result.
int RunOnWholeText(const Exercise& exercise, Text input, bool words, FixedAnswerUi& ui, CliEncoding encoding,
                   const CliContext& context) {
  Worksheet ws;
  if (words && !FillWordList(input, ws.Liste2, context)) return kExitNothingWritten;
  ws.Text1.Set(std::move(input));
  ws.Liste3 = kModeReplace;
  const ExerciseResult result = RunExercise(exercise, ws, ui, TextUse::kConsume);
  if (result.outcome != ExerciseOutcome::kDelivered) return ReportOutcome(result.outcome, ui, encoding, context);
  // The original and the work text are no longer needed while the result is written.
  ws.Text1.Set(Text());
  Text().swap(ws.WorkText);
  return WriteResult(ws, result.onWordList, encoding, context);
}

}  // namespace

std::span<const OptionSpec> ExerciseOptionSpecs() { return kExerciseOptions; }

int RunExerciseCommand(const Exercise& exercise, const ParsedOptions& options, const CliContext& context) {
  if (const std::optional<std::string> misfit = MisfittingOption(exercise, options)) {
    return UsageError(context, *misfit, kExerciseSynopsis);
  }
  const bool words = options.Has("--words");
  if (words && exercise.listPath == ListPath::kTextOnly) {
    context.Error("die Übung hat keine Form für die Wörterliste; ohne --words aufrufen");
    return kExitNothingWritten;
  }
  const CliEncoding encoding = EncodingOf(options);
  Text letters;
  if (const std::optional<std::string> given = options.Value("--letters")) {
    std::optional<Text> decoded = DecodeCliBytes(*given, encoding, "--letters", context);
    if (!decoded) return kExitNothingWritten;
    letters = std::move(*decoded);
  }
  const std::optional<std::string> answer = options.Value("--answer");
  FixedAnswerUi ui(answer ? std::optional<bool>(*answer == "yes" || *answer == "ja") : std::nullopt,
                   std::move(letters));

  const CutRule rule = words ? CutRule::kNowhere : exercise.cutRule;
  if (rule != CutRule::kNowhere) {
    const std::optional<CliBytes> text = ReadCliBytes(options, encoding, context);
    if (!text || !CheckCliBytes(text->View(), encoding, text->start, text->what, context)) return kExitNothingWritten;
    if (!text->View().empty()) {
      const PiecesResult result = RunInPieces(exercise, rule, text->View(), encoding, ui, context);
      if (result.writeFailed) return kExitNothingWritten;
      return ReportOutcome(result.outcome, ui, encoding, context);
    }
    return RunOnWholeText(exercise, Text(), false, ui, encoding, context);
  }
  std::optional<Text> input = ReadCliText(options, encoding, context);
  if (!input) return kExitNothingWritten;
  return RunOnWholeText(exercise, std::move(*input), words, ui, encoding, context);
}

}  // namespace tesmoran
