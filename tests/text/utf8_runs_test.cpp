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

TEST(IncompleteUtf8Tail, HoldsBackOnlyACharacterThatLaterBytesCouldComplete) {
  const struct {
    const char* name;
    std::string bytes;
    std::size_t tail;
  } cases[] = {
      {"empty", "", 0},
      {"ASCII", "abc", 0},
      {"whole two-byte letter", "a\xC3\xA4", 0},
      {"lead of a two-byte letter", "a\xC3", 1},
      {"three-byte sign missing one", "a\xE2\x82", 2},
      {"three-byte sign missing two", "a\xE2", 1},
      {"four-byte sign missing one", "\xF0\x9F\x98", 3},
      {"whole four-byte sign", "\xF0\x9F\x98\x80", 0},
      {"stray continuation bytes", "a\x80\x80\x80", 0},
      {"invalid lead byte", "a\xFF", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IncompleteUtf8Tail(c.bytes), c.tail);
    // What is held back and what comes before it decode as the whole does.
    const std::string_view head = std::string_view(c.bytes).substr(0, c.bytes.size() - c.tail);
    Text room(c.bytes.size(), Char{0});
    DecodeError error;
    const std::optional<std::size_t> count = DecodeUtf8Into(head, room.data(), &error);
    const std::optional<Text> whole = DecodeUtf8(head);
    ASSERT_EQ(count.has_value(), whole.has_value());
    if (count) {
      EXPECT_EQ(room.substr(0, *count), *whole);
    }
  }
}

}  // namespace
}  // namespace tesmoran
