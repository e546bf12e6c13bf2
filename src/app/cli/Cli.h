// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line front end over the exercises.
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmoran {

// Runs tesmoran-cli with its arguments (without the program name); returns
// the exit code.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace tesmoran
