// SPDX-License-Identifier: GPL-3.0-or-later
// "Umkehrtext" and "Purzel-Wörter" build their result in the storage of the
// text they are given, so that a long text is never held twice: the same
// result as the word-order walk and the word-by-word shuffle, and the same
// storage when the text has room.
#include <gtest/gtest.h>

#include <string>

#include "exercises/CaseAndReversal.h"
#include "exercises/Random.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "exercises/TransformWords.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

struct Row {
  const char* name;
  Text text;
};

// Texts with marks at word ends, inside words and in runs, empty words,
// line breaks, spaces at both ends and a word longer than 64 characters.
std::vector<Row> Texts() {
  Text longWord;
  for (std::size_t i = 0; i < 200; ++i) longWord.push_back(static_cast<Char>(U'a' + i % 26));
  return {
      {"empty text", U""},
      {"one word", U"Hund"},
      {"one mark", U"."},
      {"only marks", U"!?.,;:"},
      {"sentence", U"Der Hund bellt, die Katze miaut."},
      {"marks inside and behind words", U"Das ist z.B. gut. Was?! Ja..."},
      {"spaces at both ends and doubled", U"  Öl  und  Straße  "},
      {"line breaks", U"bellt.\r\nDie Katze.\r\n\r\nÄpfel!\r\n"},
      {"comma after a space", U"Hm , ja ,"},
      {"delimiters in a row", U"a--b::c;;d''e"},
      {"long word", U"Ein " + longWord + U" Wort. " + longWord},
  };
}

// A text of a few characters lies inside the string object itself and moves
// with it; from this length on it has storage of its own.
constexpr std::size_t kLongerThanInline = 8;

// A text with room for `spare` characters behind it.
Text WithRoom(const Text& text, std::size_t spare) {
  Text roomy;
  roomy.reserve(text.size() + spare);
  roomy = text;
  return roomy;
}

TEST(UmkehrtextInPlace, AgreesWithTheWalkOnEveryShortText) {
  // Every text of up to five characters over letters, space, marks and a line break.
  const Text alphabet = U"ab .!,\r?";
  int compared = 0;
  for (std::size_t length = 0, count = 1; length <= 5; ++length, count *= alphabet.size()) {
    for (std::size_t code = 0; code < count; ++code) {
      Text text;
      for (std::size_t rest = code; text.size() < length; rest /= alphabet.size()) {
        text.push_back(alphabet[rest % alphabet.size()]);
      }
      ASSERT_EQ(ReverseTextWordOrder(text), ReverseWordOrder(text)) << EncodeUtf8(text);
      ++compared;
    }
  }
  EXPECT_EQ(compared, 1 + 8 + 64 + 512 + 4096 + 32768);
}

TEST(UmkehrtextInPlace, GivesTheWalksResultInTheTextsStorageWhenItHasRoomForTheLeadingSpace) {
  for (const Row& row : Texts()) {
    SCOPED_TRACE(row.name);
    Text text = WithRoom(row.text, 1);
    const Char* storage = text.data();
    const Text reversed = ReverseTextWordOrder(std::move(text));
    EXPECT_EQ(reversed, ReverseWordOrder(row.text));
    EXPECT_EQ(ReverseTextWordOrder(row.text), reversed) << "without room";
    if (row.text.size() >= kLongerThanInline) {
      EXPECT_EQ(reversed.data(), storage);
    }
  }
}

// The shuffle of the run's random source, word by word into a fresh text.
Text ShuffledWordByWord(TextView text) {
  return TransformWords(text, [](TextView word, Text& out) { out += ShuffleWord(word); });
}

TEST(PurzelWoerterInPlace, DrawsAsTheWordByWordShuffleAndStaysInTheTextsStorage) {
  for (const Row& row : Texts()) {
    SCOPED_TRACE(row.name);
    ResetRandomForTesting();
    const Text expected = ShuffledWordByWord(row.text);
    const double nextAfterExpected = NextRandom();
    ResetRandomForTesting();
    Text text = row.text;
    const Char* storage = text.data();
    const Text shuffled = ShuffleWords(std::move(text));
    EXPECT_EQ(shuffled, expected);
    EXPECT_EQ(NextRandom(), nextAfterExpected);  // as many draws, empty words included
    if (row.text.size() >= kLongerThanInline) {
      EXPECT_EQ(shuffled.data(), storage);
    }
  }
  ResetRandomForTesting();
}

TEST(DecodeWithRoom, LeavesRoomForTheSpareCharactersInBothEncodings) {
  const struct {
    const char* name;
    std::string bytes;
    Text text;
    bool utf8;
  } rows[] = {
      {"UTF-8 ASCII", "Der Hund", U"Der Hund", true},
      {"UTF-8 umlauts",
       "Gr\xC3\xBC\xC3\x9F"
       "e",
       U"Grüße", true},
      {"UTF-8 empty", "", U"", true},
      {"code page 1252",
       "Gr\xFC\xDF"
       "e \x80",
       U"Grüße €", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    for (std::size_t spare : {0u, 1u, 40u}) {
      const std::optional<Text> text =
          row.utf8 ? DecodeUtf8(row.bytes, nullptr, spare) : DecodeCp1252(row.bytes, nullptr, spare);
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, row.text);
      EXPECT_GE(text->capacity(), text->size() + spare) << spare;
    }
  }
}

}  // namespace
}  // namespace tesmoran
