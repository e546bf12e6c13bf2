// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli silben, in-process: the text with its syllables, the
// options, the user's exception file and the calls that write nothing; the
// syllables themselves are checked with the engine, files that cannot be
// read with the input limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "CliRun.h"
#include "TestFiles.h"

namespace tesmoran {
namespace {

using testing::CliRun;
using testing::Repeated;

CliRun Silben(std::vector<std::string> options, const std::string& input = std::string()) {
  options.insert(options.begin(), "silben");
  return testing::RunCliWith(options, input);
}

// An exception file that is removed again; each test its own, as ctest runs
// tests side by side.
class ExceptionsFile {
 public:
  explicit ExceptionsFile(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  ~ExceptionsFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_ = ::testing::TempDir() + "silben-ausnahmen-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
};

TEST(CliSilben, WritesTheTextWithItsSyllables) {
  const ExceptionsFile exceptions("# eigene\nAben-d\n");
  const struct {
    const char* name;
    std::vector<std::string> options;
    std::string input, output;
  } cases[] = {
      {"CR LF removed like every control character", {}, "Oma\r\nAbend", "O-maA-bend\n"},
      {"text option", {"--text", "Oma"}, "", "O-ma\n"},
      {"line-break syllables keep single edge letters on", {"--schreibsilben"}, "Oma liest am Abend, Kaffee.",
       "Oma liest am Abend, Kaf-fee.\n"},
      {"each line an entry", {"--words"}, "Abend\r\nÜbung\nKaffee\n", "A-bend\nÜ-bung\nKaf-fee\n"},
      // More lines than the window's word list holds, the last without a line end.
      {"many entries", {"--words"}, Repeated("Abend\nKaffee\r\n", 20000) + "Igel",
       Repeated("A-bend\nKaf-fee\n", 20000) + "I-gel\n"},
      {"code page 1252", {"--encoding", "cp1252"}, "\xDC" "bung", "\xDC-bung\n"},
      {"exceptions in every case form", {"--ausnahmen", exceptions.Path(), "--text", "Abend und ABEND"}, "",
       "Aben-d und ABEN-D\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = Silben(c.options, c.input);
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out == c.output) << run.out.substr(0, 200);
    EXPECT_EQ(run.err, "");
  }
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

TEST(CliSilben, BadCallsWriteNothingAndSayWhy) {
  const struct {
    const char* name;
    std::vector<std::string> options;
    std::string input;
    int code;
    std::string errPart;
  } cases[] = {
      {"unknown option", {"--silben", "--text", "Oma"}, "", 2, "--silben"},
      {"bad byte late in the entries", {"--words"}, Repeated("Abend\n", 10000) + "\xFF\n", 1, "60000"},
      {"no entries", {"--words"}, "", 1, "Kein Originaltext"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = Silben(c.options, c.input);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tesmoran
