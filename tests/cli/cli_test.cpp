// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli in-process on a given standard input, and as a program.
#include <gtest/gtest.h>

#include <sstream>

#include "CliRun.h"
#include "TestFiles.h"
#include "app/cli/CliCommand.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

using CliResult = testing::CliRun;
using testing::RunCliWith;

// One run: the command line (words separated by spaces, '' an empty word),
// standard input, and the expected exit code, standard output and a part of
// standard error (empty: nothing on standard error).
struct CliCase {
  std::string command, input;
  int code = 0;
  std::string out, errPart;
  CliCase(std::string c, std::string i, int exit, std::string o, std::string e)
      : command(std::move(c)), input(std::move(i)), code(exit), out(std::move(o)), errPart(std::move(e)) {}
  // A worked example: exit code 0 and the solution text with a final newline.
  CliCase(std::string c, std::string i, const std::string& solution)
      : CliCase(std::move(c), std::move(i), 0, solution + "\n", "") {}
};

void PrintTo(const CliCase& r, std::ostream* os) { *os << r.command << " on \"" << r.input << "\""; }

std::vector<std::string> Words(const std::string& command) {
  std::vector<std::string> words;
  std::istringstream in(command);
  for (std::string w; in >> w;) words.push_back(w == "''" ? std::string() : w);
  return words;
}

class CliRun : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliRun, GivesTheOutputExitCodeAndMessage) {
  const CliCase& r = GetParam();
  const CliResult result = RunCliWith(Words(r.command), r.input);
  EXPECT_EQ(result.code, r.code);
  EXPECT_EQ(result.out, r.out);
  if (r.errPart.empty()) {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(r.errPart), std::string::npos) << result.err;
  }
}

// What the command line adds to the exercises, whose transformations are
// checked with the buttons (catalogue_test.cpp) and, cut into pieces, in
// cli_cut_rules_test.cpp: the exercises that are never cut, the default
// answer and the word-list form on standard input.
const std::vector<CliCase> kExamples = {
    {"umkehrtext", "Der Hund bellt. Die Katze miaut.", ". miaut Katze Die. bellt Hund Der"},
    {"purzel-woerter", "a. b", "a. b"},
    {"lueckentext", "Tom hat Hunger.", "Tom ______ Hunger."},
    {"luecken-woerter --words --answer no", "Sonne\r\n\r\n", "_o_n_\n"},
    {"nur-erstletter --words", "Sonne\n\nX\n", "S____\n\nX"},
    {"ohne-erstletter --words --answer yes", "Sonne\n\n", "(Ss)onne\n()"},
    {"mitsel-woerter --words", "\n", ""},
    {"abc-woerter --words", "Straße\n123\n", "aerSßt\n"},
};

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CliRun, ::testing::ValuesIn(kExamples));

const std::string kNoText = "Kein Originaltext vorhanden.\n";

std::string Lines(int count) {  // «a», «a», ...
  std::string input;
  while (count-- > 0) input += "a\n";
  return input;
}

const std::vector<CliCase> kExerciseRuns = {
    {"", "", 2, "", "keine Übung angegeben\n"}, {"grossbuchstaben", "a", 2, "", "unbekannte Übung „grossbuchstaben“\n"},
    {"lueckentext --answer=no", "Tom hat Hunger.", 0, "______ hat ____________.\n", ""},
    {"lueckentext --answer vielleicht", "a", 2, "", "erwartet yes oder no (auch ja oder nein), nicht „vielleicht“\n"},
    {"grossletter --encoding latin9", "a", 2, "", "„--encoding“ erwartet utf-8 oder cp1252, nicht „latin9“\n"},
    {"lueckentext --letters e", "a", 2, "", "fragt nach keinen Zeichen; --letters passt nicht dazu\n"},
    {"grossletter", "", 1, "", kNoText},
    {"grossletter --text ''", "Hund", 1, "", kNoText}, {"umkehrtext --words", "", 1, "", kNoText},
    {"bandwurmtext --words", "Hund\n", 1, "", "Für Einzelwörter unsinnig.\n"},
    {"umkehrwort --words", "Hund\n", 1, "", "keine Form für die Wörterliste; ohne --words aufrufen\n"},
    {"grossletter --words", Lines(32768), 1, "", "32767"}, {"kleinletter --words", "A\rB\r\nC", 0, "a\rb\nc\n", ""},
    {"wortrahmen --words", "a b c\nHund\n", 0, "a___c\nH__d\n", ""}, {"nur-erstletter", "a b\n", 0, "a b__\n", ""},
    {"buchstaben", "Hund", 1, "", "(--letters); nichts geschrieben\n"},
    {"buchstaben --letters ''", "Hund", 1, "", "(--letters); nichts geschrieben\n"},
    {"grossletter", "Stra\xdf" "e", 1, "",
     "tesmoran-cli grossletter: die Eingabe ist kein gültiges UTF-8 (Byte 0xDF an Stelle 4); vielleicht mit "
     "--encoding cp1252; nichts geschrieben\n"},
    {"grossletter --encoding cp1252", "a\x81", 1, "", "kein gültiges Codepage 1252 (Byte 0x81 an Stelle 1); nichts"},
    {"buchstaben --letters \xff", "Hund", 1, "", "--letters ist kein gültiges UTF-8 (Byte 0xFF an Stelle 0)"},
    {"Lücken-Wörter --answer no", "Oma", 0, "_m_\n", ""}, {"LUECKEN-WOERTER --answer no", "Oma", 0, "_m_\n", ""},
    {"Gro\xdfletter --encoding cp1252", "Stra\xdf" "e", 0, "STRA\xdf" "E\n", ""},
    {"abc-woerter --encoding windows-1252", "B\xe4ume", 0, "\xe4" "Bemu\n", ""},
    {"buchstaben --encoding cp1252 --letters \xe4", "B\xe4r", 0, "B_r\n", ""},
    {"umkehrwort --text Hund", "Katze", 0, "dnuH\n", ""},
};
INSTANTIATE_TEST_SUITE_P(Exercises, CliRun, ::testing::ValuesIn(kExerciseRuns));

const std::vector<CliCase> kSubCommandRuns = {
    {"wortliste", "Hund Katze Hund", 0, "Hund\nKatze\n", "2\n"},
    {"wortliste", "", 1, "", "Es ist keine Text vorhanden!\n"},
    {"ersetzen --encoding cp1252 --search \xFC --replacement \xDF --text Gr\xFC" "e", "", 0, "Gr\xDF" "e\n", ""},
    {"ersetzen --search a --replacement b --text ''", "", 0, "\n", ""},
    {"ersetzen --search '' --replacement x --text a", "", 1, "", "der Suchtext fehlt oder ist leer"},
    {"ersetzen --search a --text a", "", 1, "", "(ein leerer Ersatz wird nicht angenommen); nichts geschrieben\n"},
    {"ersetzen --search \xC3 --replacement b --text a", "", 1, "",
     "--search ist kein gültiges UTF-8 (Byte 0xC3 an Stelle 0)"},
};
INSTANTIATE_TEST_SUITE_P(SubCommands, CliRun, ::testing::ValuesIn(kSubCommandRuns));

TEST(CliHelp, ListsEveryExerciseAndTheSubCommandsOnStandardOutput) {
  for (const char* command : {"--help", "lueckentext --help", "ersetzen --help"}) {
    SCOPED_TRACE(command);
    const CliResult result = RunCliWith(Words(command), "Hund");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("ersetzen --search S --replacement A"), std::string::npos);
    if (command[0] == 'e') continue;  // the sub-command's own usage
    for (const Exercise& e : ExerciseCatalogue()) {
      EXPECT_NE(result.out.find(EncodeUtf8(e.caption)), std::string::npos) << EncodeUtf8(e.caption);
    }
    for (const char* name : {"luecken-woerter", "rueckwaertssatz", "abc-nr-woerter", "wortliste"}) {
      EXPECT_NE(result.out.find(name), std::string::npos) << name;
    }
    // Every sub-command stands apart from its summary, however long its name.
    for (const CliCommand& sub : CliCommands()) {
      EXPECT_NE(result.out.find("  " + std::string(sub.name) + "  "), std::string::npos) << sub.name;
    }
  }
}

// The real program in a shell, with its exit code after its output.
TEST(CliProgram, RunsAsAProgramOnStandardInputAndArguments) {
  const std::string program = std::string("'") + TESMORAN_CLI_PATH + "'";
  const std::string exitCode = " 2>/dev/null; echo \"exit $?\"";
  EXPECT_EQ(testing::ShellOutput("printf 'Stra\\303\\237e\\r\\nab' | " + program + " grossletter" + exitCode),
            "STRAßEAB\nexit 0\n");
  EXPECT_EQ(testing::ShellOutput(program + " ersetzen --search Hund --replacement Kater --text 'Der Hund und der hund'" +
                                 exitCode),
            "Der Kater und der hund\nexit 0\n");
}

}  // namespace
}  // namespace tesmoran
