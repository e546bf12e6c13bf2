// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli ersetzen: the search-and-replace command on a text given on
// the command line or on standard input.  It prints what the solution text
// receives in replace mode: the replaced text without its control
// characters, followed by one newline.
#include <optional>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "worksheet/ExerciseFrame.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {

int RunReplaceCommand(const ParsedOptions& options, const CliContext& context) {
  const std::optional<std::string> search = options.Value("--search");
  const std::optional<std::string> replacement = options.Value("--replacement");
  if (!search || search->empty()) {
    context.Error("der Suchtext fehlt oder ist leer; mit --search S angeben; nichts geschrieben");
    return kExitNothingWritten;
  }
  if (!replacement || replacement->empty()) {
    context.Error("der Ersatztext fehlt oder ist leer; mit --replacement A angeben (ein leerer Ersatz wird "
                  "nicht angenommen); nichts geschrieben");
    return kExitNothingWritten;
  }
  const CliEncoding encoding = EncodingOf(options);
  const std::optional<Text> searchText = DecodeCliBytes(*search, encoding, "--search", context);
  if (!searchText) return kExitNothingWritten;
  const std::optional<Text> replacementText = DecodeCliBytes(*replacement, encoding, "--replacement", context);
  if (!replacementText) return kExitNothingWritten;
  std::optional<Text> text = ReadCliText(options, encoding, context);
  if (!text) return kExitNothingWritten;

  // In replace mode the solution text receives the work text without its
  // control characters; that is written straight from the work text.
  Worksheet ws;
  ws.WorkText = ReplaceEverywhere(*text, *searchText, *replacementText);
  Text().swap(*text);
  StripControlChars(ws);
  return WriteCliText(ws.WorkText, encoding, context.out, context) ? kExitDone : kExitNothingWritten;
}

}  // namespace tesmoran
