// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli's own messages, exit codes and input handling: what a wrong
// call is told, the byte order mark, long inputs, and the option parser.
#include <gtest/gtest.h>

#include <sstream>

#include "CliRun.h"
#include "TestFiles.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliTextIo.h"

namespace tesmoran {
namespace {

using testing::CliRun;
using testing::Repeated;
using testing::RunCliWith;

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  std::string firstLine;  // the message on standard error
  std::string usageLine;  // the usage line right after it
};

const std::string kExerciseUsage =
    "Aufruf: tesmoran-cli ÜBUNG [--answer yes|no] [--letters ZEICHEN] [--words] [--encoding utf-8|cp1252] "
    "[--text TEXT]";
const std::string kReplaceUsage =
    "Aufruf: tesmoran-cli ersetzen --search S --replacement A [--text TEXT] [--encoding utf-8|cp1252]";

const UsageCase kUsageCases[] = {
    {"unknown replace option", {"ersetzen", "--foo"}, "tesmoran-cli ersetzen: unbekannte Option „--foo“",
     kReplaceUsage},
    {"replace option without value", {"ersetzen", "--search"},
     "tesmoran-cli ersetzen: die Option „--search“ braucht einen Wert", kReplaceUsage},
    {"replace encoding", {"ersetzen", "--encoding=latin1"},
     "tesmoran-cli ersetzen: die Option „--encoding“ erwartet utf-8 oder cp1252, nicht „latin1“", kReplaceUsage},
    {"stray word", {"grossletter", "Hund"},
     "tesmoran-cli grossletter: überzähliges Argument „Hund“ (Optionen beginnen mit --)", kExerciseUsage},
    {"value for a switch", {"grossletter", "--words=ja"},
     "tesmoran-cli grossletter: die Option „--words“ nimmt keinen Wert", kExerciseUsage},
    {"unknown option in place of an exercise", {"--frage"}, "tesmoran-cli: unbekannte Option „--frage“",
     kExerciseUsage},
    {"answer for an exercise without question", {"Großletter", "--answer", "ja"},
     "tesmoran-cli grossletter: die Übung stellt keine Ja/Nein-Frage; --answer passt nicht dazu", kExerciseUsage},
    {"word list option", {"wortliste", "--words"}, "tesmoran-cli wortliste: unbekannte Option „--words“",
     "Aufruf: tesmoran-cli wortliste [--text TEXT] [--encoding utf-8|cp1252]"},
};

TEST(CliUsageError, NamesWhatWasWrongAndTheUsageWithExitCode2AndNoOutput) {
  for (const UsageCase& c : kUsageCases) {
    SCOPED_TRACE(c.name);
    const CliRun run = RunCliWith(c.args, "Hund");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.firstLine + "\n" + c.usageLine + "\nMehr dazu: tesmoran-cli --help\n");
  }
}

TEST(CliByteOrderMark, ALeadingUtf8MarkIsNotPartOfTheText) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string input, out, err;
  } cases[] = {
      {"word list counts the first word once", {"wortliste"}, "\xEF\xBB\xBF" "Der Hund Der", "Der\nHund\n", "2\n"},
      {"exercise output has no mark", {"umkehrwort"}, "\xEF\xBB\xBF" "Hund", "dnuH\n", ""},
      {"mark in --text", {"grossletter", "--text", "\xEF\xBB\xBF" "ab"}, "", "AB\n", ""},
      {"a mark later in the text stays", {"kleinletter"}, "A\xEF\xBB\xBF", "a\xEF\xBB\xBF\n", ""},
      {"code page 1252 keeps the bytes", {"kleinletter", "--encoding", "cp1252"}, "\xEF\xBB\xBF" "A",
       "\xEF\xBB\xBF" "a\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = RunCliWith(c.args, c.input);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
  }
}

// A word many times longer than a piece that tesmoran-cli runs at once,
// where the cut rules' comparison does not reach: «abab…ab» gives «baba…ba».
TEST(CliLongInput, AWordLongerThanAPieceIsReversedWhole) {
  const CliRun run = RunCliWith({"umkehrwort"}, Repeated("ab", 90000));
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out == Repeated("ba", 90000) + "\n") << run.out.size() << " bytes";
}

TEST(CliLongInput, AnInvalidByteFarIntoTheTextWritesNothingAndNamesItsOffset) {
  const std::string input = Repeated("Hund ", 40000) + "\xC3";
  for (const char* exercise : {"grossletter", "umkehrwort", "abc-woerter", "rueckwaertstext"}) {
    SCOPED_TRACE(exercise);
    const CliRun run = RunCliWith({exercise}, input);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("(Byte 0xC3 an Stelle 200000)"), std::string::npos) << run.err;
  }
}

TEST(CliTextIo, ACharacterOutsideCodePage1252WritesNothingAndSaysWhichOne) {
  std::istringstream in;
  std::ostringstream out, err;
  const CliContext context{in, out, err, "tesmoran-cli probe"};
  EXPECT_FALSE(WriteCliText(U"ab\x4E2D", CliEncoding::kCp1252, out, context));
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(),
            "tesmoran-cli probe: das Ergebnis enthält ein Zeichen, das Codepage 1252 nicht kennt (U+4E2D an "
            "Stelle 2); nichts geschrieben\n");
}

const OptionSpec kSpecs[] = {{"--text", true, "", ""}, {"--words", false, "", ""},
                             {"--answer", true, "yes|no", "yes oder no"}};

TEST(ParseOptions, ReadsValuesSwitchesAndHelp) {
  std::string error;
  const std::optional<ParsedOptions> options =
      ParseOptions({"x", "--text", "a", "--words", "--answer=no", "--text=b=c", "-h"}, 1, kSpecs, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->Value("--text"), "b=c");
  EXPECT_EQ(options->Value("--answer"), "no");
  EXPECT_TRUE(options->Has("--words"));
  EXPECT_EQ(options->Value("--words"), "");
  EXPECT_FALSE(options->Has("--letters"));
  EXPECT_EQ(options->Value("--letters"), std::nullopt);
  EXPECT_TRUE(options->HelpWanted());
}

TEST(ParseOptions, AValueThatLooksLikeAnOptionIsStillTheValue) {
  std::string error;
  const std::optional<ParsedOptions> options = ParseOptions({"--text", "--words"}, 0, kSpecs, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->Value("--text"), "--words");
  EXPECT_FALSE(options->Has("--words"));
}

// Further refusals are checked through the whole command above.
TEST(ParseOptions, RefusesAWrongArgumentAndNamesIt) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {"unknown with value", {"--wort=1"}, "unbekannte Option „--wort“"},
      {"not a choice", {"--answer", "Yes"}, "die Option „--answer“ erwartet yes oder no, nicht „Yes“"},
      {"empty choice", {"--answer="}, "die Option „--answer“ erwartet yes oder no, nicht „“"},
      {"single dash", {"-w"}, "überzähliges Argument „-w“ (Optionen beginnen mit --)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(ParseOptions(c.args, 0, kSpecs, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace tesmoran
