// SPDX-License-Identifier: GPL-3.0-or-later
// Menu entry, metainfo and icon carry one application id, so that desktops
// find the icon and software centres find the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "TestFiles.h"

namespace {

using tesmoran::testing::FileBytes;

const std::string kData = TESMORAN_DATA_DIR;

// The first match of the pattern's first group, or "(none)".
std::string Find(const std::string& text, const std::string& pattern) {
  std::smatch m;
  return std::regex_search(text, m, std::regex(pattern)) ? m[1].str() : "(none)";
}

std::string Desktop() { return FileBytes(kData + "/de.tesmoran.Tesmoran.desktop"); }
std::string Metainfo() { return FileBytes(kData + "/de.tesmoran.Tesmoran.metainfo.xml.in"); }

TEST(ApplicationId, IsTheSameInEveryFileAndTheMenuEntryStartsTheProgram) {
  const struct {
    const char* name;
    std::string value, expected;
  } rows[] = {
      {"menu entry icon", Find(Desktop(), R"(\nIcon=([^\n]*))"), "de.tesmoran.Tesmoran"},
      {"metainfo id", Find(Metainfo(), R"(<id>([^<]*)</id>)"), "de.tesmoran.Tesmoran"},
      {"metainfo launchable", Find(Metainfo(), R"(<launchable type="desktop-id">([^<]*)<)"),
       "de.tesmoran.Tesmoran.desktop"},
      // The menu entry starts the program with the chosen file and offers it for plain text.
      {"menu entry command", Find(Desktop(), R"(\nExec=([^\n]*))"), "tesmoran %f"},
      {"menu entry file types", Find(Desktop(), R"(\nMimeType=([^\n]*))"), "text/plain;"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.value, row.expected);
  }
}

TEST(ApplicationId, HasItsScalableIcon) {
  EXPECT_TRUE(std::filesystem::is_regular_file(kData + "/icons/de.tesmoran.Tesmoran.svg"));
}

}  // namespace
