#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

#include "app/cli/CliCommands.h"

namespace tesmoran {
namespace {

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  int exitCode;
  std::string out;
  std::string errContains;
};

struct CliRun {
  int exitCode;
  std::string out;
  std::string err;
};

CliRun RunReplace(const CliCase& c) {
  std::istringstream in(c.input);
  std::ostringstream out;
  std::ostringstream err;
  const int exitCode = RunReplaceCommand(c.args, in, out, err);
  return {exitCode, out.str(), err.str()};
}

TEST(ReplaceCommand, PrintsWhatTheSolutionTextReceives) {
  const CliCase cases[] = {
      {"text option", {"--search", "Hund", "--replacement", "Kater", "--text", "Der Hund und der Hund"},
       "", 0, "Der Kater und der Kater\n", ""},
      {"standard input, lines joined", {"--search", "Hund", "--replacement", "Kater"},
       "Der Hund.\r\nDie Katze.\n", 0, "Der Kater.Die Katze.\n", ""},
      {"case-exact", {"--search", "Hund", "--replacement", "Kater", "--text", "hund Hund"}, "", 0,
       "hund Kater\n", ""},
      {"occurrence formed by a replacement", {"--search", "ab", "--replacement", "b", "--text", "aab"},
       "", 0, "b\n", ""},
      {"endless chain", {"--search", "ab", "--replacement", "bbaa", "--text", "aabb"}, "", 0,
       "abbaab\n", ""},
      {"replacement contains the search text",
       {"--search", "Hund", "--replacement", "Hunde", "--text", "Hund Hund"}, "", 0, "Hunde Hunde\n", ""},
      {"utf-8 umlauts", {"--search", "\xC3\xA4", "--replacement", "ae", "--text", "B\xC3\xA4r"}, "", 0,
       "Baer\n", ""},
      {"code page 1252",
       {"--encoding", "cp1252", "--search", "\xFC", "--replacement", "\xDF", "--text", "Gr\xFC" "e"},
       "", 0, "Gr\xDF" "e\n", ""},
      {"empty text", {"--search", "a", "--replacement", "b", "--text", ""}, "", 0, "\n", ""},
  };
  for (const CliCase& c : cases) {
    const CliRun run = RunReplace(c);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
}

TEST(ReplaceCommand, RejectsMissingPiecesAndBadOptions) {
  const CliCase cases[] = {
      {"empty search", {"--search", "", "--replacement", "x", "--text", "a"}, "", 1, "", "search text is empty"},
      {"no search", {"--replacement", "x", "--text", "a"}, "", 1, "", "search text is empty"},
      {"empty replacement", {"--search", "a", "--replacement", "", "--text", "a"}, "", 1, "",
       "replacement is empty"},
      {"no replacement", {"--search", "a", "--text", "a"}, "", 1, "", "replacement is empty"},
      {"invalid utf-8 text", {"--search", "a", "--replacement", "b", "--text", "a\xFF"}, "", 1, "",
       "not valid UTF-8"},
      {"invalid utf-8 search", {"--search", "\xC3", "--replacement", "b", "--text", "a"}, "", 1, "",
       "not valid UTF-8"},
      {"unknown option", {"--search", "a", "--replacement", "b", "--wort"}, "", 2, "", "usage:"},
      {"option without value", {"--replacement", "b", "--search"}, "", 2, "", "usage:"},
      {"unknown encoding", {"--search", "a", "--replacement", "b", "--encoding", "latin9"}, "", 2, "",
       "usage:"},
  };
  for (const CliCase& c : cases) {
    const CliRun run = RunReplace(c);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_NE(run.err.find(c.errContains), std::string::npos) << c.name << ": " << run.err;
  }
}

TEST(ReplaceCommand, HelpGoesToStandardOutput) {
  const CliRun run = RunReplace({"help", {"--help"}, "", 0, "", ""});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("ersetzen --search S --replacement A"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(ReplaceCommand, RunsFromTheProgramItself) {
  const std::string command = std::string("'") + TESMORAN_CLI_PATH +
                              "' ersetzen --search Hund --replacement Kater --text 'Der Hund und der hund'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[256];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  EXPECT_EQ(out, "Der Kater und der hund\n");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace tesmoran
