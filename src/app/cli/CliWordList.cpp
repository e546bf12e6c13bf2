// tesmoran-cli wortliste: the words that a build of the word list appends to
// an empty list, one per line; the number of new words on standard error.
#include <iostream>
#include <optional>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/CliInput.h"
#include "state/WordList.h"
#include "text/Utf8.h"
#include "wordlist/WordListBuild.h"

namespace tesmoran {

namespace {

constexpr const char* kWordListUsage =
    "usage: tesmoran-cli wortliste [--text T] [--encoding utf-8|cp1252]\n"
    "  Prints the distinct words of the text (or of standard input), one per line.\n";

struct WordListOptions {
  std::optional<std::string> text;
  CliEncoding encoding = CliEncoding::kUtf8;
  bool help = false;
};

// Reads the options; nullopt (after a message on err) when one is unknown,
// lacks its value or names an unknown encoding.
std::optional<WordListOptions> ParseWordListOptions(const std::vector<std::string>& args,
                                                    std::ostream& err) {
  WordListOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg != "--text" && arg != "--encoding") {
      err << "tesmoran-cli wortliste: unknown option '" << arg << "'\n";
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      err << "tesmoran-cli wortliste: " << arg << " needs a value\n";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (arg == "--text") {
      options.text = value;
    } else if (std::optional<CliEncoding> encoding = ParseCliEncoding(value)) {
      options.encoding = *encoding;
    } else {
      err << "tesmoran-cli wortliste: unknown encoding '" << value << "'\n";
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int RunWordListCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                       std::ostream& err) {
  const std::optional<WordListOptions> options = ParseWordListOptions(args, err);
  if (!options) {
    err << kWordListUsage;
    return 2;
  }
  if (options->help) {
    out << kWordListUsage;
    return 0;
  }
  const std::optional<Text> text = ReadCliInput(options->text, options->encoding, in, err);
  if (!text) return 1;
  if (text->empty()) {
    err << EncodeUtf8(kNoTextMessage) << "\n";
    return 1;
  }

  WordList list;
  const AppendNewWordsResult result = AppendNewWords(list, *text);
  Text lines;
  for (const WordEntry& e : list.Entries()) lines.append(e.text).push_back(kLF);
  const std::optional<std::string> bytes = EncodeCliText(lines, options->encoding, err);
  if (!bytes) return 1;
  out << *bytes;
  err << result.appended << "\n";
  if (result.firstLeftOut) err << EncodeUtf8(ListFullMessage(*result.firstLeftOut)) << "\n";
  return 0;
}

}  // namespace tesmoran
