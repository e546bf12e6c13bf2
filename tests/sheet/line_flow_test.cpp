// SPDX-License-Identifier: GPL-3.0-or-later
// Flowing a paper line into rows: words whole, left-aligned.
#include <gtest/gtest.h>

#include "FakeSheetTools.h"
#include "sheet/LineFlow.h"

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

TEST(FlowLine, WordsMoveWholeToTheNextRow) {
  struct Case {
    const char* name;
    Text line;
    std::vector<Text> rows;
  };
  const Case cases[] = {
      {"two rows", U"Oma liest am Abend", {U"Oma|liest", U"am|Abend"}},
      {"exactly full row", U"abcde fghi", {U"abcde|fghi"}},
      {"one over full", U"abcde fghij", {U"abcde", U"fghij"}},
      {"empty line", U"", {U""}},
      {"spaces only", U"   ", {U""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RowTexts(Flow(c.line)), c.rows);
  }
}

TEST(FlowLine, OnlyAWordWiderThanARowIsCut) {
  struct Case {
    const char* name;
    Text line;
    std::vector<Text> rows;
  };
  const Case cases[] = {
      {"alone", U"Bandwurmtextlang", {U"Bandwurmte", U"xtlang"}},
      {"after a short word", U"ab Bandwurmtextlang", {U"ab", U"Bandwurmte", U"xtlang"}},
      {"next word follows the rest", U"Bandwurmtextlang zu", {U"Bandwurmte", U"xtlang|zu"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RowTexts(Flow(c.line)), c.rows);
  }
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
