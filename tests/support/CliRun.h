// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tesmoran-cli run in-process: its exit code, standard output and standard
// error for the given arguments and standard input.
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

namespace tesmoran::testing {

struct CliRun {
  int code = -1;
  std::string out, err;
};

inline CliRun RunCliOn(const std::vector<std::string>& args, std::istream& in, std::size_t readLimit = 0) {
  std::ostringstream out, err;
  const int code = readLimit ? RunCli(args, in, out, err, readLimit) : RunCli(args, in, out, err);
  return {code, out.str(), err.str()};
}

inline CliRun RunCliWith(const std::vector<std::string>& args, const std::string& input = std::string()) {
  std::istringstream in(input);
  return RunCliOn(args, in);
}

}  // namespace tesmoran::testing
