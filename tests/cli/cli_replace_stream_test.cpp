// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli ersetzen on long texts: where replacing is one pass from left
// to right it works on the bytes as they were read, and must write exactly
// what the worksheet's search and replace gives.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseFrame.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

using testing::CliRun;
using testing::RunCliWith;

// About 300 KB of lines with letters of one to four bytes, tabs and line
// breaks: the result spans many of the blocks that are written at once.
Text LongText() {
  const Text lines[] = {U"Der Hund bellt über die Straße.\r\n", U"\tDie Hündin schläft, der Hund nicht!\r\n",
                        U"Hunde mögen Käse € und 😀 Äpfel.\n", U"HundHundHund\r\n"};
  Text text;
  for (int i = 0; i < 2500; ++i) text += lines[i % 4];
  return text;
}

TEST(CliReplace, OnePassOnLongTextsWritesWhatTheWorksheetReplaces) {
  const Text text = LongText();
  const struct {
    const char* name;
    Text search, replacement;
    const char* encoding;
    std::string bom;
  } cases[] = {
      {"word for a longer word", U"Hund", U"Kätzchen", "utf-8", ""},
      {"letter for two letters", U"ü", U"ue", "utf-8", ""},
      {"four-byte letter", U"😀", U"(lacht)", "utf-8", ""},
      {"line break inside the search text", U"!\r\nHunde", U"? Katzen", "utf-8", ""},
      {"replacement holding the search text", U"Hund", U"Hunde", "utf-8", ""},
      {"after a byte order mark", U"Der", U"Ein", "utf-8", "\xEF\xBB\xBF"},
      {"code page 1252", U"ä", U"ae", "cp1252", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(ReplacesInOnePass(c.search, c.replacement));
    const bool utf8 = std::string(c.encoding) == "utf-8";
    Text source = text;
    if (!utf8) std::erase(source, U'😀');
    const auto encode = [utf8](TextView t) { return utf8 ? EncodeUtf8(t) : *EncodeCp1252(t); };
    const CliRun result = RunCliWith(
        {"ersetzen", "--encoding", c.encoding, "--search", encode(c.search), "--replacement", encode(c.replacement)},
        c.bom + encode(source));
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    const std::string expected = encode(StripControlChars(ReplaceEverywhere(source, c.search, c.replacement))) + "\n";
    EXPECT_EQ(result.out.size(), expected.size());
    EXPECT_TRUE(result.out == expected);
  }
}

TEST(CliReplace, OnePassWritesNothingWhenALateByteIsInvalid) {
  const std::string bytes = EncodeUtf8(LongText());
  const CliRun result = RunCliWith({"ersetzen", "--search", "Hund", "--replacement", "Kater"}, bytes + "ab\xC3(");
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("die Eingabe ist kein gültiges UTF-8 (Byte 0xC3 an Stelle " +
                            std::to_string(bytes.size() + 2) + ")"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace tesmoran
