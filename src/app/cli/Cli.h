// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line front end over the exercises.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmoran {

// Runs tesmoran-cli with its arguments (without the program name); returns
// the exit code.  No more than readLimit bytes are read from standard input
// or from a file that an option names.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           std::size_t readLimit);
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tesmoran
