// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of tesmoran-cli names exactly the options that the
// command's --help and its sub-commands' --help name, whatever the wording
// around them.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "TestFiles.h"
#include "app/cli/CliCommand.h"

namespace {

// The help of the command, or of one of its sub-commands.
std::string HelpOutput(const std::string& subCommand = std::string()) {
  return tesmoran::testing::ShellOutput(std::string(TESMORAN_CLI_PATH) + " " + subCommand + " --help 2>&1");
}

// A manual page writes a hyphen as "\-"; the plain text has "-".
std::string Unescaped(const std::string& page) { return std::regex_replace(page, std::regex(R"(\\-)"), "-"); }

std::set<std::string> LongOptions(const std::string& text) {
  std::set<std::string> found;
  const std::regex option(R"((^|[^A-Za-z0-9-])(--[a-z][a-z0-9-]*))");
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) found.insert((*it)[2]);
  return found;
}

std::string Listed(const std::set<std::string>& options) {
  std::string list;
  for (const auto& o : options) list += o + " ";
  return list;
}

class ManualPage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& option : LongOptions(HelpOutput())) help_.insert(option);
    for (const tesmoran::CliCommand& sub : tesmoran::CliCommands()) {
      for (const auto& option : LongOptions(HelpOutput(std::string(sub.name)))) help_.insert(option);
    }
    page_ = LongOptions(Unescaped(tesmoran::testing::FileBytes(TESMORAN_DATA_DIR "/man/tesmoran-cli.1")));
    ASSERT_TRUE(help_.count("--help")) << "no help output: " << Listed(help_);
    ASSERT_TRUE(page_.count("--help")) << "manual page not read: " << Listed(page_);
  }
  std::set<std::string> help_, page_;
};

TEST_F(ManualPage, DocumentsEveryOptionOfTheHelp) {
  for (const auto& option : help_) EXPECT_TRUE(page_.count(option)) << option << " is missing in tesmoran-cli.1";
}

TEST_F(ManualPage, NamesNoOptionTheHelpLacks) {
  for (const auto& option : page_) EXPECT_TRUE(help_.count(option)) << option << " is unknown to --help";
}

}  // namespace
