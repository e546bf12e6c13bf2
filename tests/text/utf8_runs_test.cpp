// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 across the long ASCII runs that the decoder takes eight bytes at a
// time, and the encoder appending to bytes already there.
#include <gtest/gtest.h>

#include "text/Utf8.h"

namespace tesmoran {
namespace {

TEST(DecodeUtf8, NamesTheFirstInvalidByteWhereverTheAsciiRunsEnd) {
  const struct {
    const char* name;
    std::string bytes;
    std::size_t offset;
  } cases[] = {
      {"seventh byte", "abcdefg\xFF", 7},
      {"eighth byte", "abcdefgh\xFF", 8},
      {"ninth byte", "abcdefghi\x80", 9},
      {"after two runs", "abcdefghABCDEFGH\xC3", 16},
      {"cut sequence after a run", "abcdefgh\xE2\x82", 8},
      {"after a two-byte letter", "\xC3\xA4" "bcdefghijk\xC0\xAF", 12},
      {"surrogate after a run", "12345678\xED\xA0\x80", 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DecodeError error;
    EXPECT_FALSE(DecodeUtf8(c.bytes, &error));
    EXPECT_EQ(error.offset, c.offset);
    DecodeError checked;
    EXPECT_FALSE(IsValidUtf8(c.bytes, &checked));
    EXPECT_EQ(checked.offset, c.offset);
  }
}

// The encoder takes blocks of sixteen ASCII characters at once and the
// decoder runs of sixteen or eight ASCII bytes: a letter of each length at
// every place of a longer text must come out as it does on its own.
TEST(Utf8, EveryLetterLengthAtEveryPlaceOfTheAsciiBlocks) {
  const Text letters[] = {U"\u007F", U"\u00E4", U"\u20AC", U"\U0001F600", Text(1, 0xD800), Text(1, 0x110000)};
  const Text ascii = U"Der Hund bellt laut und die Katze schlaeft.";
  for (const Text& letter : letters) {
    for (std::size_t at = 0; at <= ascii.size(); ++at) {
      Text text = ascii;
      text.insert(at, letter);
      std::string expected;  // one character at a time
      for (Char c : text) expected += EncodeUtf8(TextView(&c, 1));
      SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<unsigned>(letter[0]) << " at " << at);
      EXPECT_EQ(EncodeUtf8(text), expected);
      if (letter[0] == 0xD800 || letter[0] > 0x10FFFF) continue;  // written as U+FFFD
      EXPECT_EQ(DecodeUtf8(expected), text);
      EXPECT_TRUE(IsValidUtf8(expected));
    }
  }
}

TEST(AppendUtf8, AddsBehindWhatIsThere) {
  std::string bytes = "Ab";
  AppendUtf8(U"ß€😀", bytes);
  EXPECT_EQ(bytes, "Ab\xC3\x9F\xE2\x82\xAC\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tesmoran
