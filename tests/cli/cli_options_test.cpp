// tesmoran-cli's options, sub-commands, messages and exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "CliRunner.h"
#include "exercises/Catalogue.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::CliResult;
using testing::RunCliWith;

struct CliCase {
  std::vector<std::string> args;
  std::string input;
  int code;
  std::string out;
  std::string errPart;  // empty: nothing on standard error
};

void PrintTo(const CliCase& r, std::ostream* os) {
  for (const std::string& a : r.args) *os << a << ' ';
}

class CliRun : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliRun, GivesTheOutputExitCodeAndMessage) {
  const CliCase& r = GetParam();
  const CliResult result = RunCliWith(r.args, r.input);
  EXPECT_EQ(result.code, r.code);
  EXPECT_EQ(result.out, r.out);
  if (r.errPart.empty()) {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(r.errPart), std::string::npos) << result.err;
  }
}

const std::string kNoText = "Kein Originaltext vorhanden.\n";
const std::string kReverseWord = "Wählen Sie dafür 'Umkehrwort'.\n";

std::string Lines(int count) {
  std::string input;
  for (int i = 0; i < count; ++i) input += "a\n";
  return input;
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, CliRun,
    ::testing::Values(
        CliCase{{}, "", 2, "", "usage:"},
        CliCase{{"grossbuchstaben"}, "a", 2, "", "unknown exercise 'grossbuchstaben'"},
        CliCase{{"grossletter", "--frage", "ja"}, "a", 2, "", "unknown option '--frage'"},
        CliCase{{"lueckentext", "--answer=no"}, "Oma", 2, "", "unknown option"},
        CliCase{{"grossletter", "--text"}, "a", 2, "", "--text needs a value"},
        CliCase{{"lueckentext", "--answer", "vielleicht"}, "a", 2, "", "--answer takes yes or no"},
        CliCase{{"grossletter", "--encoding", "latin9"}, "a", 2, "", "unknown encoding"},
        CliCase{{"grossletter", "--answer", "no"}, "a", 2, "", "--answer does not apply"},
        CliCase{{"lueckentext", "--letters", "e"}, "a", 2, "", "--letters does not apply"},
        CliCase{{"grossletter"}, "", 1, "", kNoText},
        CliCase{{"ohne-erstletter"}, "", 1, "", kNoText},
        CliCase{{"grossletter", "--text", ""}, "Hund", 1, "", kNoText},
        CliCase{{"umkehrtext", "--words"}, "", 1, "", kNoText},
        CliCase{{"rueckwaertstext", "--words"}, "Hund\n", 1, "", kReverseWord},
        CliCase{{"rueckwaertssatz", "--words"}, "Hund\n", 1, "", kReverseWord},
        CliCase{{"bandwurmtext", "--words"}, "Hund\n", 1, "", "Für Einzelwörter unsinnig.\n"},
        CliCase{{"lueckentext", "--words"}, "Hund\n", 1, "", "Wählen Sie dafür 'Lücken-Wörter'.\n"},
        CliCase{{"umkehrwort", "--words"}, "Hund\n", 1, "", "has no word-list form"},
        CliCase{{"grossletter", "--words"}, Lines(32768), 1, "", "32767"},
        CliCase{{"kleinletter", "--words"}, "A\rB\r\nC", 0, "a\rb\nc\n", ""},
        CliCase{{"wortrahmen", "--words"}, "a b c\nHund\n", 0, "a___c\nH__d\n", ""},
        CliCase{{"nur-erstletter"}, "a b\n", 0, "a b__\n", ""},
        CliCase{{"buchstaben"}, "Hund", 1, "", "--letters"},
        CliCase{{"buchstaben", "--letters", ""}, "Hund", 1, "", "nothing written"},
        CliCase{{"grossletter"}, "Stra\xdf" "e", 1, "", "not valid UTF-8"},
        CliCase{{"grossletter", "--encoding", "cp1252"}, "a\x81", 1, "", "not valid code page 1252"},
        CliCase{{"buchstaben", "--letters", "\xff"}, "Hund", 1, "", "not valid UTF-8"},
        CliCase{{"Lücken-Wörter", "--answer", "no"}, "Oma", 0, "_m_\n", ""},
        CliCase{{"LUECKEN-WOERTER", "--answer", "no"}, "Oma", 0, "_m_\n", ""},
        CliCase{{"Gro\xdfletter", "--encoding", "cp1252"}, "Stra\xdf" "e", 0, "STRA\xdf" "E\n", ""},
        CliCase{{"abc-woerter", "--encoding", "windows-1252"}, "B\xe4ume", 0, "\xe4" "Bemu\n", ""},
        CliCase{{"buchstaben", "--encoding", "cp1252", "--letters", "\xe4"}, "B\xe4r", 0, "B_r\n", ""},
        CliCase{{"umkehrwort", "--text", "Hund"}, "Katze", 0, "dnuH\n", ""}));

INSTANTIATE_TEST_SUITE_P(
    SubCommands, CliRun,
    ::testing::Values(
        CliCase{{"wortliste", "--text", "Hund Katze Hund"}, "", 0, "Hund\nKatze\n", "2\n"},
        CliCase{{"wortliste"}, "", 1, "", "Es ist keine Text vorhanden!\n"},
        CliCase{{"wortliste", "--wort"}, "Hund", 2, "", "usage:"},
        CliCase{{"ersetzen", "--search", "Hund", "--replacement", "Kater"}, "Der Hund.\r\nDie Hund.\n", 0,
            "Der Kater.Die Kater.\n", ""},
        CliCase{{"ersetzen", "--search", "Hund", "--replacement", "Kater", "--text", "hund Hund"}, "", 0,
            "hund Kater\n", ""},
        CliCase{{"ersetzen", "--search", "ab", "--replacement", "bbaa", "--text", "aabb"}, "", 0, "abbaab\n", ""},
        CliCase{{"ersetzen", "--search", "\xC3\xA4", "--replacement", "ae", "--text", "B\xC3\xA4r"}, "", 0,
            "Baer\n", ""},
        CliCase{{"ersetzen", "--encoding", "cp1252", "--search", "\xFC", "--replacement", "\xDF", "--text",
             "Gr\xFC" "e"}, "", 0, "Gr\xDF" "e\n", ""},
        CliCase{{"ersetzen", "--search", "a", "--replacement", "b", "--text", ""}, "", 0, "\n", ""},
        CliCase{{"ersetzen", "--search", "", "--replacement", "x", "--text", "a"}, "", 1, "", "search text is empty"},
        CliCase{{"ersetzen", "--search", "a", "--text", "a"}, "", 1, "", "replacement is empty"},
        CliCase{{"ersetzen", "--search", "\xC3", "--replacement", "b", "--text", "a"}, "", 1, "", "not valid UTF-8"},
        CliCase{{"ersetzen", "--search", "a", "--replacement", "b", "--wort"}, "", 2, "", "usage:"},
        CliCase{{"ersetzen", "--replacement", "b", "--search"}, "", 2, "", "usage:"}));

TEST(CliHelp, ListsEveryExerciseAndTheSubCommandsOnStandardOutput) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"}, {"lueckentext", "--help"}}) {
    const CliResult result = RunCliWith(args, "Hund");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    for (const Exercise& e : ExerciseCatalogue()) {
      EXPECT_NE(result.out.find(EncodeUtf8(e.caption)), std::string::npos) << EncodeUtf8(e.caption);
    }
    for (const char* name : {"luecken-woerter", "rueckwaertssatz", "abc-nr-woerter", "wortliste", "ersetzen"}) {
      EXPECT_NE(result.out.find(name), std::string::npos) << name;
    }
  }
  const CliResult replaceHelp = RunCliWith({"ersetzen", "--help"});
  EXPECT_EQ(replaceHelp.code, 0);
  EXPECT_NE(replaceHelp.out.find("ersetzen --search S --replacement A"), std::string::npos);
}

// Runs a shell command line around the real program; returns its exit code.
int RunShell(const std::string& command, std::string& out) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return -1;
  char buffer[256];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliProgram, RunsAsAProgramOnStandardInputAndArguments) {
  const std::string program = std::string("'") + TESMORAN_CLI_PATH + "'";
  std::string out;
  EXPECT_EQ(RunShell("printf 'Stra\\303\\237e\\r\\nab' | " + program + " grossletter", out), 0);
  EXPECT_EQ(out, "STRAßEAB\n");
  out.clear();
  EXPECT_EQ(RunShell(program + " ersetzen --search Hund --replacement Kater --text 'Der Hund und der hund'", out),
            0);
  EXPECT_EQ(out, "Der Kater und der hund\n");
  out.clear();
  EXPECT_EQ(RunShell(program + " keine-uebung --text Hund", out), 2);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace tesmoran
