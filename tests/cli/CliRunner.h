#pragma once
// Runs tesmoran-cli in-process on a given standard input.
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

namespace tesmoran::testing {

struct CliResult {
  int code = -1;
  std::string out;
  std::string err;
};

inline CliResult RunCliWith(const std::vector<std::string>& args, const std::string& input = std::string()) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.code = RunCli(args, in, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace tesmoran::testing
