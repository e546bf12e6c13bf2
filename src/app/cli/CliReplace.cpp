// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli ersetzen: the search-and-replace command on a text given on
// the command line or on standard input.  It prints what the solution text
// receives in replace mode: the replaced text without its control
// characters, followed by one newline.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cli/CliCommand.h"
#include "app/cli/CliExitCode.h"
#include "app/cli/CliTextIo.h"
#include "worksheet/ExerciseFrame.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

constexpr std::size_t kWriteBlock = std::size_t{1} << 16;

// Writes the text with each occurrence of search replaced, from left to
// right, and without its control characters, followed by one newline.  The
// bytes are valid in their encoding, and so are search and replacement:
// their bytes then match exactly where their characters match (a UTF-8
// sequence never begins inside another), and the control characters are
// exactly the bytes below 32.
void WriteReplacedBytes(std::string_view text, std::string_view search, std::string_view replacement,
                        std::ostream& out) {
  std::string block(kWriteBlock, '\0');
  std::size_t used = 0;
  const auto keep = [&](std::string_view part) {
    while (!part.empty()) {
      if (used == block.size()) {
        out.write(block.data(), static_cast<std::streamsize>(used));
        used = 0;
      }
      const std::size_t take = std::min(part.size(), block.size() - used);
      for (const char b : part.substr(0, take)) {
        block[used] = b;
        used += static_cast<unsigned char>(b) >= 32 ? 1 : 0;
      }
      part.remove_prefix(take);
    }
  };
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t found = text.find(search, at);
    if (found == std::string_view::npos) {
      keep(text.substr(at));
      break;
    }
    keep(text.substr(at, found - at));
    keep(replacement);
    at = found + search.size();
  }
  out.write(block.data(), static_cast<std::streamsize>(used));
  out.put('\n');
}

}  // namespace

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
  if (ReplacesInOnePass(*searchText, *replacementText)) {
    // One pass: the bytes are replaced as they are, without ever holding
    // the text or the result as characters.
    const std::optional<CliBytes> bytes = ReadCliBytes(options, encoding, context);
    if (!bytes || !CheckCliBytes(bytes->View(), encoding, bytes->start, bytes->what, context)) {
      return kExitNothingWritten;
    }
    WriteReplacedBytes(bytes->View(), *search, *replacement, context.out);
    return kExitDone;
  }
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
