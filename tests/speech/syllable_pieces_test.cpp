// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a text into the pieces that "silbenweise" reading speaks one by one.
#include <gtest/gtest.h>

#include "speech/SyllablePieces.h"

namespace tesmoran {
namespace {

struct Piece {
  std::size_t position, length, markedPosition, markedLength;
  bool endsWord, endsSentence;
};

struct PiecesCase {
  const char* name;
  Text text;
  std::vector<std::size_t> breaks;
  std::vector<Piece> expected;
};

TEST(SyllablePieces, CutsAtGapsAndSyllableBreaks) {
  const PiecesCase cases[] = {
      {"words and syllables",
       U"O-ma? Katze",
       {6, 9},
       {{0, 5, 0, 4, true, true}, {6, 3, 6, 3, false, false}, {9, 2, 9, 2, true, false}}},
      {"line breaks and tabs are gaps",
       U"Oma\r\n\tUhu.",
       {1, 7},
       {{0, 1, 0, 1, false, false}, {1, 2, 1, 2, true, false}, {6, 1, 6, 1, false, false}, {7, 3, 7, 2, true, true}}},
      {"punctuation alone is spoken, not marked",
       U"Ja – nein!",
       {},
       {{0, 2, 0, 2, true, false}, {3, 1, 4, 0, true, false}, {5, 5, 5, 4, true, true}}},
      {"quotes stay with their word", U"„Igel“", {2}, {{0, 2, 1, 1, false, false}, {2, 4, 2, 3, true, false}}},
      {"sharp s and digits are letters",
       U"3 Straße",
       {6},
       {{0, 1, 0, 1, true, false}, {2, 4, 2, 4, false, false}, {6, 2, 6, 2, true, false}}},
      {"nothing but gaps", U" \r\n ", {}, {}},
  };
  for (const PiecesCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<SyllablePiece> pieces = SyllablePieces(c.text, c.breaks);
    ASSERT_EQ(pieces.size(), c.expected.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(pieces[i].position, c.expected[i].position);
      EXPECT_EQ(pieces[i].length, c.expected[i].length);
      EXPECT_EQ(pieces[i].markedLength, c.expected[i].markedLength);
      if (c.expected[i].markedLength > 0) {
        EXPECT_EQ(pieces[i].markedPosition, c.expected[i].markedPosition);
      }
      EXPECT_EQ(pieces[i].endsWord, c.expected[i].endsWord);
      EXPECT_EQ(pieces[i].endsSentence, c.expected[i].endsSentence);
    }
  }
}

}  // namespace
}  // namespace tesmoran
