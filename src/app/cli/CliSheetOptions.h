// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of "tesmoran-cli arbeitsblatt", its usage line and its help:
// the sheet settings among them come from the rows of SheetSettingFields.
#include <string_view>
#include <vector>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTextIo.h"
#include "printsheet/SheetSettings.h"

namespace tesmoran {

std::vector<OptionSpec> SheetOptions();
std::string_view SheetSynopsis();
std::string_view SheetHelp();

// Puts the settings given as options into settings.  A number outside its
// range gives kExitUsage, a text not valid in the encoding
// kExitNothingWritten, each after its message; kExitDone otherwise.
int ReadSheetOptions(const ParsedOptions& options, CliEncoding encoding, SheetSettings& settings,
                     const CliContext& context);

}  // namespace tesmoran
