// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sub-commands of tesmoran-cli besides the exercises.  A sub-command is
// one entry of the table in CliCommandTable.cpp plus its run function in a
// file of its own; the parser, the help and the usage messages take
// everything else from the entry.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/CliOptions.h"
#include "files/LimitedRead.h"

namespace tesmoran {

// The streams of one call and the name that its messages start with
// ("tesmoran-cli ersetzen").
struct CliContext {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::string name;
  // The most bytes read from standard input or from a file named by an
  // option.
  std::size_t readLimit = kReadLimit;

  // Writes "name: message" and a newline to standard error.
  void Error(std::string_view message) const;
};

struct CliCommand {
  std::string_view name;      // the first argument: "wortliste"
  std::string_view synopsis;  // the options as the usage line shows them
  std::string_view summary;   // one line for the overview of --help
  std::string_view help;      // the lines that --help of the sub-command adds to its usage line
  std::vector<OptionSpec> options;
  int (*run)(const ParsedOptions& options, const CliContext& context);
};

// Every sub-command, in the order of the help.
const std::vector<CliCommand>& CliCommands();

// The options that every command that reads a text takes.
OptionSpec TextOption();
OptionSpec EncodingOption();

// The run functions of the table.
int RunWordListCommand(const ParsedOptions& options, const CliContext& context);
int RunReplaceCommand(const ParsedOptions& options, const CliContext& context);
int RunSyllablesCommand(const ParsedOptions& options, const CliContext& context);
int RunPracticePageCommand(const ParsedOptions& options, const CliContext& context);
int RunReadAloudCommand(const ParsedOptions& options, const CliContext& context);
// Defined beside the drawing (app/clisheet), or in CliSheetMissing.cpp in a build without Qt.
int RunSheetCommand(const ParsedOptions& options, const CliContext& context);

}  // namespace tesmoran
