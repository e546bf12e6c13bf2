// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exit codes of tesmoran-cli and every sub-command.
namespace tesmoran {

enum CliExitCode : int {
  kExitDone = 0,            // the result is on standard output
  kExitNothingWritten = 1,  // nothing on standard output; the reason is on standard error
  kExitUsage = 2,           // the command line was wrong; what was wrong is on standard error
};

}  // namespace tesmoran
