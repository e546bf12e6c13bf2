// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli arbeitsblatt in a build without Qt: the sheet cannot be
// drawn, and the command says so.
#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"

namespace tesmoran {

int RunSheetCommand(const ParsedOptions&, const CliContext& context) {
  context.Error("dieses Programm wurde ohne Qt gebaut und kann keine Arbeitsblätter zeichnen; nichts geschrieben");
  return kExitNothingWritten;
}

}  // namespace tesmoran
