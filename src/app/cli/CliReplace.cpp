// tesmoran-cli ersetzen: the search-and-replace command on a text given on
// the command line or on standard input.  It prints what the solution text
// receives in replace mode: the replaced text without its control
// characters, followed by one newline.
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/CliInput.h"
#include "state/Worksheet.h"
#include "worksheet/ExerciseFrame.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

constexpr const char* kReplaceUsage =
    "usage: tesmoran-cli ersetzen --search S --replacement A [--text T] "
    "[--encoding utf-8|cp1252]\n"
    "  Replaces every S in the text (--text, or standard input) by A and prints\n"
    "  the result as one line, as the solution text receives it.\n";

struct ReplaceOptions {
  std::optional<std::string> search;
  std::optional<std::string> replacement;
  std::optional<std::string> text;
  CliEncoding encoding = CliEncoding::kUtf8;
  bool help = false;
};

// False on an unknown option, an option without its value or an unknown
// encoding.
bool ParseReplaceOptions(const std::vector<std::string>& args, ReplaceOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    std::optional<std::string>* target = nullptr;
    if (arg == "--search") target = &options.search;
    else if (arg == "--replacement") target = &options.replacement;
    else if (arg == "--text") target = &options.text;
    else if (arg != "--encoding") return false;
    if (i + 1 >= args.size()) return false;
    const std::string& value = args[++i];
    if (target) {
      *target = value;
    } else if (std::optional<CliEncoding> encoding = ParseCliEncoding(value)) {
      options.encoding = *encoding;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int RunReplaceCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  ReplaceOptions options;
  if (!ParseReplaceOptions(args, options)) {
    err << kReplaceUsage;
    return 2;
  }
  if (options.help) {
    out << kReplaceUsage;
    return 0;
  }
  if (!options.search || options.search->empty()) {
    err << "tesmoran-cli ersetzen: the search text is empty; give it with --search S\n";
    return 1;
  }
  if (!options.replacement || options.replacement->empty()) {
    err << "tesmoran-cli ersetzen: the replacement is empty; give it with --replacement A "
           "(an empty replacement is not accepted)\n";
    return 1;
  }
  const std::optional<Text> search = DecodeCliBytes(*options.search, options.encoding, err);
  const std::optional<Text> replacement =
      search ? DecodeCliBytes(*options.replacement, options.encoding, err) : std::nullopt;
  if (!replacement) return 1;
  const std::optional<Text> text = ReadCliInput(options.text, options.encoding, in, err);
  if (!text) return 1;

  // Delivered as the window delivers it, into an empty solution text.
  Worksheet ws;
  ws.Liste3 = kModeReplace;
  ws.WorkText = ReplaceEverywhere(*text, *search, *replacement);
  DeliverWorkText(ws);
  const std::optional<std::string> bytes = EncodeCliText(ws.Text2, options.encoding, err);
  if (!bytes) return 1;
  out << *bytes << '\n';
  return 0;
}

}  // namespace tesmoran
