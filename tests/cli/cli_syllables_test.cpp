// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli silben, in-process.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/cli/Cli.h"

namespace tesmoran {
namespace {

struct CliRun {
  int code = -1;
  std::string out, err;
};

CliRun Silben(std::vector<std::string> options, const std::string& input = std::string()) {
  options.insert(options.begin(), "silben");
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = RunCli(options, in, out, err);
  return {code, out.str(), err.str()};
}

struct SentenceCase {
  const char* name;
  std::string input;   // UTF-8 on standard input
  std::string output;  // standard output
};

TEST(CliSilben, PrintsTheSentenceWithItsReadingSyllables) {
  const SentenceCase cases[] = {
      {"plain sentence", "Oma liest am Abend.", "O-ma liest am A-bend.\n"},
      {"capitals kept", "OMA und Igel", "O-MA und I-gel\n"},
      {"umlauts", "Übung über Äpfel", "Ü-bung ü-ber Äp-fel\n"},
      {"sharp s", "Die Straße, die Füße!", "Die Stra-ße, die Fü-ße!\n"},
      {"punctuation stays", "„Oma?“ – (Abend)", "„O-ma?“ – (A-bend)\n"},
      {"CR LF removed like every control character", "Oma\r\nAbend", "O-maA-bend\n"},
      {"word outside ISO-8859-1 stays whole", "Łódź Kaffee", "Łódź Kaf-fee\n"},
  };
  for (const SentenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = Silben({}, c.input);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, c.output);
    EXPECT_EQ(run.err, "");
  }
}

TEST(CliSilben, TakesTheTextFromTheTextOption) {
  const CliRun run = Silben({"--text", "Oma"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "O-ma\n");
}

TEST(CliSilben, LineBreakSyllablesKeepSingleEdgeLettersOn) {
  const CliRun run = Silben({"--schreibsilben", "--text", "Oma liest am Abend, Kaffee."});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "Oma liest am Abend, Kaf-fee.\n");
}

TEST(CliSilben, WordsHyphenatesEachLineAsAnEntry) {
  const CliRun run = Silben({"--words"}, "Abend\r\nÜbung\nKaffee\n");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "A-bend\nÜ-bung\nKaf-fee\n");
}

TEST(CliSilben, WordsTakesMoreLinesThanTheWindowsListHolds) {
  std::string input, expected;
  for (int i = 0; i < 40000; ++i) {
    input += i % 2 == 0 ? "Abend\n" : "Kaffee\r\n";
    expected += i % 2 == 0 ? "A-bend\n" : "Kaf-fee\n";
  }
  input += "Igel";  // the last line without a line end
  expected += "I-gel\n";
  const CliRun run = Silben({"--words"}, input);
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
}

TEST(CliSilben, WordsWithABadByteLateInTheInputWriteNothing) {
  std::string input;
  for (int i = 0; i < 10000; ++i) input += "Abend\n";
  input += "\xFF\n";
  const CliRun run = Silben({"--words"}, input);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("60000"), std::string::npos) << run.err;
}

TEST(CliSilben, WordsOnAnEmptyInputSayThatThereIsNoText) {
  const CliRun run = Silben({"--words"}, "");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Kein Originaltext"), std::string::npos) << run.err;
}

TEST(CliSilben, Cp1252InputAndOutput) {
  const CliRun run = Silben({"--encoding", "cp1252"},
                            "\xDC"
                            "bung");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "\xDC-bung\n");
}

class ExceptionsFile {
 public:
  explicit ExceptionsFile(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  ~ExceptionsFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_ = ::testing::TempDir() + "silben-ausnahmen-test.txt";
};

TEST(CliSilben, ExceptionsFileOverridesThePatterns) {
  const ExceptionsFile file("# eigene\nAben-d\n");
  const CliRun run = Silben({"--ausnahmen", file.Path(), "--text", "Abend und ABEND"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "Aben-d und ABEN-D\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliSilben, MalformedExceptionsLineIsReportedOnceAndTheRestHolds) {
  const ExceptionsFile file("Aben-d\nzwei Wörter\n");
  const CliRun run = Silben({"--ausnahmen", file.Path(), "--words"}, "Abend\nAbend\n");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "Aben-d\nAben-d\n");
  const std::string report = "Die Zeile 2 der Silben-Ausnahmen";
  const std::size_t first = run.err.find(report);
  ASSERT_NE(first, std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(report, first + 1), std::string::npos) << run.err;
}

struct FailureCase {
  const char* name;
  std::vector<std::string> options;
  int code;
  std::string errPart;
};

TEST(CliSilben, BadCallsWriteNothingAndSayWhy) {
  const FailureCase cases[] = {
      {"unreadable exceptions file", {"--ausnahmen", "/nonexistent/ausnahmen.txt", "--text", "Oma"}, 1,
       "gibt es nicht"},
      {"unknown option", {"--silben", "--text", "Oma"}, 2, "--silben"},
      {"value given to a switch", {"--schreibsilben=ja", "--text", "Oma"}, 2, "--schreibsilben"},
      {"bad encoding", {"--encoding", "latin9", "--text", "Oma"}, 2, "--encoding"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = Silben(c.options);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tesmoran
