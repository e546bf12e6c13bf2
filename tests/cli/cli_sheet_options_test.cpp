// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet settings that "tesmoran-cli arbeitsblatt" reads from its
// options, and what its usage line and help say about them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "app/cli/CliExitCode.h"
#include "app/cli/CliSheetOptions.h"
#include "printsheet/SheetSettingFields.h"

namespace tesmoran {
namespace {

struct Read {
  int code = -1;
  SheetSettings settings;
  std::string err;
};

Read ReadArgs(std::vector<std::string> args) {
  std::string error;
  const auto specs = SheetOptions();
  const std::optional<ParsedOptions> options = ParseOptions(args, 0, specs, error);
  EXPECT_TRUE(options) << error;
  std::istringstream in;
  std::ostringstream out, err;
  const CliContext context{in, out, err, "tesmoran-cli arbeitsblatt"};
  Read read;
  if (options) read.code = ReadSheetOptions(*options, EncodingOf(*options), read.settings, context);
  read.err = err.str();
  return read;
}

TEST(CliSheetOptions, EachOptionSetsItsSettingAndNoOther) {
  using S = SheetSettings;
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::function<void(S&)> change;  // from the start values
  } rows[] = {
      {"size", {"--groesse", "32"}, [](S& s) { s.fontSize = 32; }},
      {"line spacing as --x=y", {"--zeilenabstand=100"}, [](S& s) { s.lineSpacing = 100; }},
      {"writing lines", {"--lineatur", "0"}, [](S& s) { s.writingRows = 0; }},
      {"last syllable mark", {"--silben", "striche"}, [](S& s) { s.syllableMarks = SyllableMarks::kHyphens; }},
      {"first syllable mark", {"--silben", "keine"}, [](S& s) { s.syllableMarks = SyllableMarks::kNone; }},
      {"line-break syllables", {"--schreibsilben"}, [](S& s) { s.syllableKind = SyllableKind::kLineBreak; }},
      {"title", {"--titel", "Im Zoo"}, [](S& s) { s.title = U"Im Zoo"; }},
      {"title in cp1252", {"--encoding", "cp1252", "--titel", "Gr\xfc\xdf"}, [](S& s) { s.title = U"Grüß"; }},
      {"font", {"--schrift", "DejaVu Serif"}, [](S& s) { s.fontFamily = U"DejaVu Serif"; }},
      {"nothing given", {}, [](S&) {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SheetSettings expected;
    row.change(expected);
    const Read read = ReadArgs(row.args);
    EXPECT_EQ(read.code, kExitDone);
    EXPECT_TRUE(read.settings == expected);
    EXPECT_EQ(read.err, "");
  }
}

TEST(CliSheetOptions, BadValuesAreNamedAndStopTheCall) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string err;  // between the command's name and "; nichts geschrieben"
  } rows[] = {
      {"below the range", {"--groesse", "11"}, kExitUsage, "--groesse „11“ ist keine ganze Zahl von 12 bis 32"},
      {"a sign", {"--lineatur", "+3"}, kExitUsage, "--lineatur „+3“ ist keine ganze Zahl von 0 bis 30"},
      {"too many digits",
       {"--zeilenabstand", "00150"},
       kExitUsage,
       "--zeilenabstand „00150“ ist keine ganze Zahl von 100 bis 250"},
      {"empty", {"--groesse="}, kExitUsage, "--groesse „“ ist keine ganze Zahl von 12 bis 32"},
      // A wrong number is a wrong call even when a text is bad as well.
      {"number before text",
       {"--titel", "\xff", "--lineatur", "99"},
       kExitUsage,
       "--lineatur „99“ ist keine ganze Zahl von 0 bis 30"},
      {"font not UTF-8",
       {"--schrift", "\xff"},
       kExitNothingWritten,
       "--schrift ist kein gültiges UTF-8 (Byte 0xFF an Stelle 0); vielleicht mit --encoding cp1252"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Read read = ReadArgs(row.args);
    EXPECT_EQ(read.code, row.code);
    EXPECT_EQ(read.err, "tesmoran-cli arbeitsblatt: " + row.err + "; nichts geschrieben\n");
  }
}

// The parser's own refusals are checked with the other commands' options.
TEST(CliSheetOptions, TheParserRefusesWhatNoRowAccepts) {
  const auto specs = SheetOptions();
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--silben", "bunt"}, "die Option „--silben“ erwartet keine, farben, boegen oder striche, nicht „bunt“"},
      {{"--wortabstand", "5"}, "unbekannte Option „--wortabstand“"},  // a panel setting without an option
  };
  for (const auto& [args, message] : rows) {
    std::string error;
    EXPECT_FALSE(ParseOptions(args, 0, specs, error));
    EXPECT_EQ(error, message);
  }
}

// The usage line names exactly the options the parser takes, and the help
// the range of every number among them.
TEST(CliSheetOptions, UsageLineAndHelpMatchTheOptions) {
  const std::string synopsis(SheetSynopsis());
  for (const OptionSpec& spec : SheetOptions()) {
    const std::string shown = spec.name == "--pdf" ? "--pdf " : "[" + std::string(spec.name);
    EXPECT_NE(synopsis.find(shown), std::string::npos) << spec.name;
  }
  EXPECT_EQ(std::count(synopsis.begin(), synopsis.end(), '['), std::ptrdiff_t(SheetOptions().size()) - 1);
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (f.kind != FieldKind::kNumber || f.option.empty()) continue;
    const std::string range = std::to_string(f.range.min) + "–" + std::to_string(f.range.max);
    EXPECT_NE(SheetHelp().find(std::string(f.option) + " " + range), std::string::npos) << f.option;
  }
  // Wrapped: no line of either passes 90 characters with its indent.
  for (std::string_view text : {SheetSynopsis(), SheetHelp()}) {
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
      const auto characters = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
      EXPECT_LE(characters, 90) << line;
    }
  }
}

}  // namespace
}  // namespace tesmoran
