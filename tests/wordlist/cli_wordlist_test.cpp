#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"
#include "app/cli/CliCommands.h"

namespace tesmoran {
namespace {

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  std::string input;  // standard input
  int exitCode;
  std::string out;
  std::string err;  // expected start of standard error
};

class WordListCommandTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(WordListCommandTest, PrintsTheWordsOfAnEmptyListBuild) {
  const CliCase& c = GetParam();
  std::istringstream in(c.input);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunWordListCommand(c.args, in, out, err), c.exitCode) << err.str();
  EXPECT_EQ(out.str(), c.out);
  EXPECT_EQ(err.str().substr(0, c.err.size()), c.err) << err.str();
  if (c.exitCode == 2) {
    EXPECT_NE(err.str().find("usage: tesmoran-cli wortliste"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, WordListCommandTest,
    ::testing::Values(
        CliCase{"WorkedExample", {"--text", "Der Hund bellt. Der hund, der Hund!"}, "", 0,
                "Der\nHund\nbellt\nhund\nder\n", "5\n"},
        CliCase{"StandardInputWithLineBreak", {}, "Hund bellt.\r\nDie Katze", 0, "Hund\nbelltDie\nKatze\n", "3\n"},
        CliCase{"EmptyWordIsAnEmptyLine", {"--text", "a - b"}, "", 0, "a\n\nb\n", "3\n"},
        CliCase{"SpacesOnly", {"--text", "   "}, "", 0, "\n", "1\n"},
        CliCase{"Umlauts", {"--text", "Öl-Fass Öl-Fass."}, "", 0, "ÖlFass\n", "1\n"},
        CliCase{"CodePage1252InAndOut", {"--encoding", "cp1252", "--text", "\xC4pfel \xC4pfel."}, "", 0,
                "\xC4pfel\n", "1\n"},
        CliCase{"EmptyText", {"--text", ""}, "", 1, "", "Es ist keine Text vorhanden!\n"},
        CliCase{"EmptyStandardInput", {}, "", 1, "", "Es ist keine Text vorhanden!\n"},
        CliCase{"InvalidUtf8", {"--text", "\xC4pfel"}, "", 1, "", "tesmoran-cli: the input is not valid UTF-8"},
        CliCase{"UnknownOption", {"--words"}, "", 2, "", "tesmoran-cli wortliste: unknown option '--words'"},
        CliCase{"MissingValue", {"--text"}, "", 2, "", "tesmoran-cli wortliste: --text needs a value"},
        CliCase{"UnknownEncoding", {"--encoding", "latin9"}, "", 2, "",
                "tesmoran-cli wortliste: unknown encoding 'latin9'"}),
    [](const ::testing::TestParamInfo<CliCase>& info) { return info.param.name; });

TEST(WordListCommand, IsReachedThroughTheProgramsSubCommand) {
  std::istringstream in("Hund Katze Hund.");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"wortliste"}, in, out, err), 0) << err.str();
  EXPECT_EQ(out.str(), "Hund\nKatze\n");
  EXPECT_EQ(err.str(), "2\n");
}

}  // namespace
}  // namespace tesmoran
