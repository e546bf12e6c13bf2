// SPDX-License-Identifier: GPL-3.0-or-later
// Flowing a paper line into rows: words whole, left-aligned.
#include <gtest/gtest.h>

#include "FakeSheetTools.h"
#include "printsheet/LineFlow.h"

namespace tesmoran {
namespace {

using testing::FixedMeasure;

// Rows ten characters wide; a space is one character, the space after a
// gap mark 3 points.
const FlowSpacing kTenChars{100, 10, 3};

std::vector<Text> RowTexts(const std::vector<Row>& rows) {
  std::vector<Text> texts;
  for (const Row& row : rows) {
    Text t;
    for (const PlacedPiece& p : row.pieces) t += (t.empty() ? U"" : U"|") + p.piece.text;
    texts.push_back(t);
  }
  return texts;
}

std::vector<Row> Flow(TextView text, const FlowSpacing& spacing = kTenChars) {
  return FlowLine(SplitSheetText(text, WordMarking{}).front(), FixedMeasure(), spacing);
}

// Words move whole to the next row; only a word wider than a row is cut,
// and a character wider than a row stands alone on its row.
TEST(FlowLine, WordsMoveWholeToTheNextRowAndOnlyTooWideOnesAreCut) {
  const FlowSpacing tiny{5, 10, 3};
  const struct {
    const char* name;
    Text line;
    std::vector<Text> rows;
    FlowSpacing spacing = kTenChars;
  } cases[] = {
      {"two rows", U"Oma liest am Abend", {U"Oma|liest", U"am|Abend"}},
      {"exactly full row", U"abcde fghi", {U"abcde|fghi"}},
      {"one over full", U"abcde fghij", {U"abcde", U"fghij"}},
      {"empty line", U"", {U""}},
      {"spaces only", U"   ", {U""}},
      {"too wide alone", U"Bandwurmtextlang", {U"Bandwurmte", U"xtlang"}},
      {"too wide after a short word", U"ab Bandwurmtextlang", {U"ab", U"Bandwurmte", U"xtlang"}},
      {"next word follows the rest", U"Bandwurmtextlang zu", {U"Bandwurmte", U"xtlang|zu"}},
      {"characters wider than a row", U"abc", {U"a", U"b", U"c"}, tiny},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RowTexts(Flow(c.line, c.spacing)), c.rows);
  }
}

// A font whose pairs of equal letters sit closer (f) or further apart (w)
// than their single advances: 10 points a letter, -2 for each "ff" and +2
// for each "ww".
class KerningMeasure : public TextMeasure {
 public:
  double Advance(TextView text, FontRole) const override {
    double w = 10 * double(text.size());
    for (std::size_t i = 1; i < text.size(); ++i) {
      if (text[i] == text[i - 1] && text[i] == U'f') w -= 2;
      if (text[i] == text[i - 1] && text[i] == U'w') w += 2;
    }
    return w;
  }
  double Ascent(FontRole) const override { return 12; }
  double Descent(FontRole) const override { return 4; }
};

TEST(FlowLine, ACutWordTakesTheLongestPieceThatFitsAsTheFontMeasuresIt) {
  struct Case {
    const char* name;
    Text line;
    std::vector<std::size_t> rowLengths;
    std::vector<double> rowWidths;
  };
  const Case cases[] = {
      // Twelve f measure 8 * 12 + 2 = 98 points, more than ten single ones.
      {"kerned closer", Text(30, U'f'), {12, 12, 6}, {98, 98, 50}},
      // Eight w measure 12 * 8 - 2 = 94 points, fewer than ten single ones.
      {"kerned apart", Text(20, U'w'), {8, 8, 4}, {94, 94, 46}},
      {"no pairs", U"fwfwfwfwfwfwfwfwfwfwfwfwf", {10, 10, 5}, {100, 100, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto rows = FlowLine(SplitSheetText(c.line, WordMarking{}).front(), KerningMeasure(), kTenChars);
    std::vector<std::size_t> lengths;
    std::vector<double> widths;
    for (const Row& row : rows) {
      ASSERT_EQ(row.pieces.size(), 1u);
      lengths.push_back(row.pieces[0].piece.text.size());
      widths.push_back(row.pieces[0].width);
    }
    EXPECT_EQ(lengths, c.rowLengths);
    EXPECT_EQ(widths, c.rowWidths);
  }
}

TEST(FlowLine, ACutWordKeepsItsPiecesAndTheirInk) {
  const FlowSpacing narrow{45, 10, 3};
  SourceLine line;
  line.words.push_back(Word{0, {Piece{U"Bandw", Ink::kFirst}, Piece{U"urmtext", Ink::kSecond}}});
  const auto rows = FlowLine(line, FixedMeasure(), narrow);
  std::vector<Text> texts;
  std::vector<Ink> inks;
  for (const Row& row : rows) {
    for (const PlacedPiece& p : row.pieces) {
      texts.push_back(p.piece.text);
      inks.push_back(p.piece.ink);
    }
  }
  EXPECT_EQ(RowTexts(rows), (std::vector<Text>{U"Band", U"w|urm", U"text"}));
  EXPECT_EQ(inks, (std::vector<Ink>{Ink::kFirst, Ink::kFirst, Ink::kSecond, Ink::kSecond}));
}

TEST(FlowLine, PlacesWordsAfterSpacesWithTheExtraWordSpacing) {
  const FlowSpacing wide{200, 13, 3};
  const auto rows = Flow(U"ab  cd", wide);
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].pieces.size(), 2u);
  EXPECT_DOUBLE_EQ(rows[0].pieces[1].x, 20 + 2 * 13);
}

TEST(FlowLine, LeadingSpacesIndentOnlyTheFirstRow) {
  const auto rows = Flow(U"  abcdef ghijkl");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_DOUBLE_EQ(rows[0].pieces[0].x, 20);
  EXPECT_DOUBLE_EQ(rows[1].pieces[0].x, 0);
}

TEST(FlowLine, EveryGapMarkIsFollowedByASmallSpace) {
  const auto rows = Flow(U"A__e");
  ASSERT_EQ(rows.size(), 1u);
  std::vector<double> xs;
  for (const PlacedPiece& p : rows[0].pieces) xs.push_back(p.x);
  EXPECT_EQ(xs, (std::vector<double>{0, 10, 23, 36}));
}

}  // namespace
}  // namespace tesmoran
