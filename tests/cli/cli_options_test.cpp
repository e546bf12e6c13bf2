// tesmoran-cli's options, messages and exit codes.
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

struct Failure {
  std::vector<std::string> args;
  std::string input;
  int code;
  std::string errPart;  // a part of the message on standard error
};

void PrintTo(const Failure& f, std::ostream* os) {
  for (const std::string& a : f.args) *os << a << ' ';
}

class CliFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(CliFailure, WritesNothingAndExplainsOnStandardError) {
  const Failure& f = GetParam();
  CliResult result = RunCliWith(f.args, f.input);
  EXPECT_EQ(result.code, f.code);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(f.errPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, CliFailure,
    ::testing::Values(Failure{{}, "", 2, "usage:"},
                      Failure{{"grossbuchstaben"}, "a", 2, "unknown exercise 'grossbuchstaben'"},
                      Failure{{"grossletter", "--frage", "ja"}, "a", 2, "unknown option '--frage'"},
                      Failure{{"grossletter", "--text"}, "a", 2, "--text needs a value"},
                      Failure{{"lueckentext", "--answer", "vielleicht"}, "a", 2, "--answer takes yes or no"},
                      Failure{{"grossletter", "--encoding", "latin9"}, "a", 2, "unknown encoding"},
                      Failure{{"grossletter", "--answer", "no"}, "a", 2, "--answer does not apply"},
                      Failure{{"lueckentext", "--letters", "e"}, "a", 2, "--letters does not apply"}));

INSTANTIATE_TEST_SUITE_P(
    EmptyText, CliFailure,
    ::testing::Values(Failure{{"grossletter"}, "", 1, "Kein Originaltext vorhanden.\n"},
                      Failure{{"lueckentext", "--answer", "no"}, "", 1, "Kein Originaltext vorhanden.\n"},
                      Failure{{"ohne-erstletter"}, "", 1, "Kein Originaltext vorhanden.\n"},
                      Failure{{"buchstaben", "--letters", "e"}, "", 1, "Kein Originaltext vorhanden.\n"},
                      Failure{{"umkehrtext", "--words"}, "", 1, "Kein Originaltext vorhanden.\n"},
                      Failure{{"grossletter", "--text", ""}, "Hund", 1, "Kein Originaltext vorhanden.\n"}));

INSTANTIATE_TEST_SUITE_P(
    WordListRefused, CliFailure,
    ::testing::Values(Failure{{"rueckwaertstext", "--words"}, "Hund\n", 1, "Wählen Sie dafür 'Umkehrwort'.\n"},
                      Failure{{"umkehrtext", "--words"}, "Hund\n", 1, "Wählen Sie dafür 'Umkehrwort'.\n"},
                      Failure{{"umkehrsatz", "--words"}, "Hund\n", 1, "Wählen Sie dafür 'Umkehrwort'.\n"},
                      Failure{{"rueckwaertssatz", "--words"}, "Hund\n", 1, "Wählen Sie dafür 'Umkehrwort'.\n"},
                      Failure{{"bandwurmtext", "--words"}, "Hund\n", 1, "Für Einzelwörter unsinnig.\n"},
                      Failure{{"lueckentext", "--words"}, "Hund\n", 1, "Wählen Sie dafür 'Lücken-Wörter'.\n"},
                      Failure{{"umkehrwort", "--words"}, "Hund\n", 1, "has no word-list form"},
                      Failure{{"buchstaben", "--words", "--letters", "u"}, "Hund\n", 1,
                              "has no word-list form"}));

INSTANTIATE_TEST_SUITE_P(
    MissingLetters, CliFailure,
    ::testing::Values(Failure{{"buchstaben"}, "Hund", 1, "--letters"},
                      Failure{{"buchstaben", "--letters", ""}, "Hund", 1, "nothing written"}));

INSTANTIATE_TEST_SUITE_P(
    InvalidInput, CliFailure,
    ::testing::Values(Failure{{"grossletter"}, "Stra\xdf" "e", 1, "not valid UTF-8"},
                      Failure{{"grossletter", "--encoding", "cp1252"}, "a\x81", 1, "not valid code page 1252"},
                      Failure{{"buchstaben", "--letters", "\xff"}, "Hund", 1, "not valid UTF-8"}));

TEST(CliHelp, ListsEveryExerciseAndTheSubCommandsOnStandardOutput) {
  CliResult result = RunCliWith({"--help"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err, "");
  for (const Exercise& e : ExerciseCatalogue()) {
    EXPECT_NE(result.out.find(EncodeUtf8(e.caption)), std::string::npos) << EncodeUtf8(e.caption);
  }
  for (const char* name : {"luecken-woerter", "grossletter", "rueckwaertssatz", "nur-erstletter",
                           "abc-nr-woerter", "mitsel-woerter", "wortliste", "ersetzen", "--words"}) {
    EXPECT_NE(result.out.find(name), std::string::npos) << name;
  }
}

TEST(CliHelp, IsAlsoShownAfterAnExercise) {
  CliResult result = RunCliWith({"lueckentext", "--help"}, "Hund");
  EXPECT_EQ(result.code, 0);
  EXPECT_NE(result.out.find("Exercises:"), std::string::npos);
}

struct Naming {
  std::vector<std::string> args;
  std::string input;
  std::string expected;
};

class CliNaming : public ::testing::TestWithParam<Naming> {};

TEST_P(CliNaming, RunsTheNamedExerciseInTheChosenEncoding) {
  const Naming& n = GetParam();
  CliResult result = RunCliWith(n.args, n.input);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, n.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliNaming,
    ::testing::Values(Naming{{"Lücken-Wörter", "--answer", "no"}, "Oma", "_m_\n"},
                      Naming{{"LUECKEN-WOERTER", "--answer", "no"}, "Oma", "_m_\n"},
                      Naming{{"Gro\xdfletter", "--encoding", "cp1252"}, "Stra\xdf" "e", "STRA\xdf" "E\n"},
                      Naming{{"abc-woerter", "--encoding", "windows-1252"}, "B\xe4ume", "\xe4" "Bemu\n"},
                      Naming{{"buchstaben", "--encoding", "cp1252", "--letters", "\xe4"}, "B\xe4r", "B_r\n"},
                      Naming{{"umkehrwort", "--text", "Hund"}, "Katze", "dnuH\n"}));

TEST(CliNaming, AnOptionWithAnEqualsSignIsUnknown) {
  CliResult result = RunCliWith({"lueckentext", "--answer=no"}, "Oma");
  EXPECT_EQ(result.code, 2);
  EXPECT_EQ(result.out, "");
}

TEST(CliInputBytes, AFinalNewlineOfStandardInputIsPartOfTheText) {
  // The LF after «b» is a character inside the word «b» and becomes «__».
  CliResult result = RunCliWith({"nur-erstletter"}, "a b\n");
  EXPECT_EQ(result.out, "a b__\n");
}

TEST(CliWords, ALoneCarriageReturnStaysInsideTheEntry) {
  CliResult result = RunCliWith({"kleinletter", "--words"}, "A\rB\r\nC");
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, "a\rb\nc\n");
}

TEST(CliWords, EveryLineIsTransformedAsOneWord) {
  // As one word, «a b» keeps only its first character in front of the gaps.
  CliResult result = RunCliWith({"wortrahmen", "--words"}, "a b c\nHund\n");
  EXPECT_EQ(result.out, "a___c\nH__d\n");
}

TEST(CliWords, MoreEntriesThanTheListHoldsAreRefused) {
  std::string input;
  for (int i = 0; i < 32768; ++i) input += "a\n";
  CliResult result = RunCliWith({"grossletter", "--words"}, input);
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("32767"), std::string::npos);
}

TEST(CliSubCommands, ErsetzenIsHandedToTheReplaceCommand) {
  CliResult result = RunCliWith({"ersetzen", "--search", "a", "--replacement", "b", "--text", "abca"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "bbcb\n");
}

TEST(CliSubCommands, WortlisteIsHandedToTheWordListCommand) {
  CliResult result = RunCliWith({"wortliste", "--text", "Hund Hund"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "Hund\n");
}

// Runs a shell command line around the real program; returns its exit code.
int RunShell(const std::string& command, std::string& out) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return -1;
  char buffer[256];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kProgram = std::string("'") + TESMORAN_CLI_PATH + "'";

TEST(CliProgram, ReadsStandardInputByteForByteAndPrintsTheResult) {
  std::string out;
  EXPECT_EQ(RunShell("printf 'Stra\\303\\237e\\r\\nab' | " + kProgram + " grossletter", out), 0);
  EXPECT_EQ(out, "STRAßEAB\n");
}

TEST(CliProgram, AnUnknownExerciseEndsWithExitCodeTwo) {
  std::string out;
  EXPECT_EQ(RunShell(kProgram + " keine-uebung --text Hund", out), 2);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace tesmoran
