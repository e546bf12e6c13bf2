// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli wortliste: the words that a build of the word list appends to
// an empty list, one per line; the number of new words on standard error.
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "worksheet/WordList.h"
#include "wordlist/WordListBuild.h"

namespace tesmoran {

int RunWordListCommand(const ParsedOptions& options, const CliContext& context) {
  const CliEncoding encoding = EncodingOf(options);
  const std::optional<Text> text = ReadCliText(options, encoding, context);
  if (!text) return kExitNothingWritten;
  if (text->empty()) {
    WriteCliText(kNoTextMessage, encoding, context.err, context);
    return kExitNothingWritten;
  }

  WordList list;
  const AppendNewWordsResult result = AppendNewWords(list, *text);
  Text lines;
  for (const WordEntry& e : list.Entries()) lines.append(e.text).push_back(kLF);
  if (!WriteCliText(lines, encoding, context.out, context, /*newline=*/false)) return kExitNothingWritten;
  context.err << result.appended << '\n';
  if (result.firstLeftOut) WriteCliText(ListFullMessage(*result.firstLeftOut), encoding, context.err, context);
  return kExitDone;
}

}  // namespace tesmoran
