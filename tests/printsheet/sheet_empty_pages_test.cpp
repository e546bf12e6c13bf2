// SPDX-License-Identifier: GPL-3.0-or-later
// No page of the sheet holds nothing but its number: empty paper lines at
// the end of the text are dropped and never begin a page, and an answer key
// after an empty sheet takes the first page.
#include <gtest/gtest.h>

#include "FakeSheetTools.h"
#include "printsheet/SheetLayout.h"

namespace tesmoran {
namespace {

using testing::FixedMeasure;

constexpr double kTop = 20 / 25.4 * 72;

SheetSettings Plain() {
  SheetSettings s;
  s.nameAndDate = false;
  return s;
}

SheetDocument Lay(TextView solution, const SheetSettings& s = Plain(), TextView original = U"") {
  return LayOutSheet(SheetInput{Text(solution), Text(original)}, s, nullptr, FixedMeasure());
}

Text Repeat(TextView piece, int n) {
  Text t;
  for (int i = 0; i < n; ++i) t += piece;
  return t;
}

// The body runs of a page, in order.
std::vector<Text> BodyTexts(const SheetPage& page) {
  std::vector<Text> texts;
  for (const TextRun& run : page.runs) {
    if (run.role == FontRole::kBody) texts.push_back(run.text);
  }
  return texts;
}

TEST(SheetEmptyPages, NoPageHoldsNothingButItsFooter) {
  struct Case {
    const char* name;
    Text text;
    std::vector<std::vector<Text>> pages;  // the body runs of each page
  };
  const Case cases[] = {
      {"trailing blank lines with a space each", U"Oma liest." + Repeat(U"\n ", 200), {{U"Oma", U"liest."}}},
      {"trailing blank lines", U"Oma\r\n" + Repeat(U"\r\n", 90), {{U"Oma"}}},
      {"blank lines across a page break", U"Oma\r\n" + Repeat(U"\r\n", 100) + U"liest.", {{U"Oma"}, {U"liest."}}},
      {"blank lines filling more than a page", U"Oma\r\n" + Repeat(U"\r\n", 200) + U"liest.", {{U"Oma"}, {U"liest."}}},
      {"only blank lines", Repeat(U" \r\n", 80), {{}}},
      {"blank lines before the text filling more than a page", Repeat(U"\r\n", 100) + U"Oma", {{U"Oma"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SheetDocument doc = Lay(c.text);
    ASSERT_EQ(doc.pages.size(), c.pages.size());
    for (std::size_t p = 0; p < doc.pages.size(); ++p) EXPECT_EQ(BodyTexts(doc.pages[p]), c.pages[p]);
  }
}

TEST(SheetEmptyPages, TextAfterABreakAmidBlankLinesStartsAtTheTop) {
  const SheetDocument doc = Lay(U"Oma\r\n" + Repeat(U"\r\n", 100) + U"liest.");
  ASSERT_EQ(doc.pages.size(), 2u);
  ASSERT_FALSE(doc.pages[1].runs.empty());
  EXPECT_EQ(doc.pages[1].runs[0].text, U"liest.");
  EXPECT_NEAR(doc.pages[1].runs[0].baseline, kTop + FixedMeasure::kAscent, 1e-9);
}

TEST(SheetEmptyPages, BlankLinesBeforeTheTextAndBetweenLinesAreKept) {
  const SheetDocument doc = Lay(U"\r\n\r\nOma\r\n\r\nliest.");
  ASSERT_EQ(doc.pages.size(), 1u);
  const double pitch = RowPitch(Plain());
  const auto& runs = doc.pages[0].runs;
  ASSERT_GE(runs.size(), 2u);
  EXPECT_NEAR(runs[0].baseline, kTop + FixedMeasure::kAscent + 2 * pitch, 1e-9);
  EXPECT_NEAR(runs[1].baseline - runs[0].baseline, 2 * pitch, 1e-9);
}

TEST(SheetEmptyPages, WritingRowsFollowTheLastWordsDirectly) {
  SheetSettings s = Plain();
  s.writingRows = 2;
  s.ruling = WritingRuling::kPlain;
  const SheetDocument bare = Lay(U"Oma liest.", s);
  const SheetDocument trailing = Lay(U"Oma liest." + Repeat(U"\r\n", 60), s);
  ASSERT_EQ(trailing.pages.size(), 1u);
  ASSERT_EQ(trailing.pages[0].strokes.size(), bare.pages[0].strokes.size());
  for (std::size_t i = 0; i < bare.pages[0].strokes.size(); ++i) {
    EXPECT_DOUBLE_EQ(trailing.pages[0].strokes[i].y1, bare.pages[0].strokes[i].y1);
  }
}

TEST(SheetEmptyPages, AnAnswerKeyAfterAnEmptySheetTakesTheFirstPage) {
  struct Case {
    const char* name;
    Text solution;
    bool nameAndDate;
    int firstAnswerPage;
  };
  const Case cases[] = {
      {"empty sheet", U"", false, 0},
      {"only blank lines", Repeat(U"\r\n", 50), false, 0},
      {"with name and date", U"", true, 1},
      {"with text", U"O_a", false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetSettings s = Plain();
    s.answerKey = true;
    s.nameAndDate = c.nameAndDate;
    const SheetDocument doc = Lay(c.solution, s, U"Oma");
    ASSERT_EQ(doc.firstAnswerPage, c.firstAnswerPage);
    ASSERT_EQ(doc.pages.size(), std::size_t(c.firstAnswerPage + 1));
    const SheetPage& key = doc.pages.back();
    ASSERT_GE(key.runs.size(), 2u);
    EXPECT_EQ(key.runs[0].text, U"Lösung");
    EXPECT_NEAR(key.runs[0].baseline, kTop + FixedMeasure::kAscent, 1e-9);
    EXPECT_EQ(key.runs[1].text, U"Oma");
  }
}

}  // namespace
}  // namespace tesmoran
