// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli: runs one exercise of the main window, or one of the
// sub-commands of the table, on a text from the command line or from
// standard input.
#include "app/cli/Cli.h"

#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExercise.h"
#include "app/cli/CliExerciseNames.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliHelp.h"

namespace tesmoran {
namespace {

constexpr std::string_view kProgramName = "tesmoran-cli";

const CliCommand* FindCommand(const std::string& name) {
  for (const CliCommand& command : CliCommands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int RunSubCommand(const CliCommand& command, const std::vector<std::string>& args, CliContext& context) {
  context.name = std::string(kProgramName) + ' ' + std::string(command.name);
  const std::string synopsis = std::string(command.name) + ' ' + std::string(command.synopsis);
  std::string error;
  const std::optional<ParsedOptions> options = ParseOptions(args, 1, command.options, error);
  if (!options) return UsageError(context, error, synopsis);
  if (options->HelpWanted()) {
    PrintCommandHelp(command, context.out);
    return kExitDone;
  }
  return command.run(*options, context);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  return RunCli(args, in, out, err, kReadLimit);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           std::size_t readLimit) {
  CliContext context{in, out, err, std::string(kProgramName), readLimit};
  if (args.empty()) return UsageError(context, "keine Übung angegeben", kExerciseSynopsis);
  const std::string& command = args.front();
  if (command == "--help" || command == "-h") {
    PrintHelp(out);
    return kExitDone;
  }
  if (const CliCommand* sub = FindCommand(command)) return RunSubCommand(*sub, args, context);

  const Exercise* exercise = FindExerciseByName(command);
  if (exercise == nullptr) {
    const std::string what = command.starts_with("-") ? "unbekannte Option " : "unbekannte Übung ";
    return UsageError(context, what + Quoted(command), kExerciseSynopsis);
  }
  context.name += ' ' + AsciiName(exercise->caption);
  std::string error;
  const std::optional<ParsedOptions> options = ParseOptions(args, 1, ExerciseOptionSpecs(), error);
  if (!options) return UsageError(context, error, kExerciseSynopsis);
  if (options->HelpWanted()) {
    PrintHelp(out);
    return kExitDone;
  }
  return RunExerciseCommand(*exercise, *options, context);
}

}  // namespace tesmoran
