// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help of tesmoran-cli and its usage messages.
#include <iosfwd>
#include <string_view>

#include "app/cli/CliCommand.h"

namespace tesmoran {

// The usage line of an exercise call, after the program's name.
inline constexpr std::string_view kExerciseSynopsis =
    "ÜBUNG [--answer yes|no] [--letters ZEICHEN] [--words] [--encoding utf-8|cp1252] [--text TEXT]";

// The whole help: usage, exercises, options, exit codes, sub-commands.
void PrintHelp(std::ostream& out);

// The usage line and the description of one sub-command.
void PrintCommandHelp(const CliCommand& command, std::ostream& out);

// Writes what was wrong, the usage line (synopsis after the program's
// name) and where the help is; returns the exit code of a usage error.
int UsageError(const CliContext& context, std::string_view message, std::string_view synopsis);

}  // namespace tesmoran
