// SPDX-License-Identifier: GPL-3.0-or-later
// The whole page layout with a fixed-width stand-in font: head, rows and
// their pitch, page breaks, writing lines, answer key and page numbers.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeSheetTools.h"
#include "printsheet/SheetLayout.h"

namespace tesmoran {
namespace {

using testing::FixedMeasure;
using testing::TableSyllabifier;

// A4 with 20 mm margins: the body runs from 56.69 pt to 785.20 pt.
constexpr double kTop = 20 / 25.4 * 72, kBottom = 297 / 25.4 * 72 - kTop;

SheetSettings Plain() {
  SheetSettings s;
  s.nameAndDate = false;
  return s;
}

SheetDocument Lay(TextView solution, const SheetSettings& s = Plain(), TextView original = U"",
                  const Syllabifier* engine = nullptr) {
  return LayOutSheet(SheetInput{Text(solution), Text(original)}, s, engine, FixedMeasure());
}

// Page index of the first body run with this text, -1 when there is none.
int PageOf(const SheetDocument& doc, TextView text) {
  for (std::size_t p = 0; p < doc.pages.size(); ++p) {
    for (const TextRun& run : doc.pages[p].runs) {
      if (run.text == text) return int(p);
    }
  }
  return -1;
}

std::vector<double> Baselines(const SheetPage& page, FontRole role = FontRole::kBody) {
  std::vector<double> ys;
  for (const TextRun& run : page.runs) {
    if (run.role == role && (ys.empty() || ys.back() != run.baseline)) ys.push_back(run.baseline);
  }
  return ys;
}

// `n` paper lines of one short word each.
Text ShortLines(int n) {
  Text t;
  for (int i = 0; i < n; ++i) t += U"x\r\n";
  return t;
}

TEST(SheetLayout, BaselinesAreFontSizeTimesLineSpacingApart) {
  struct Case {
    const char* name;
    int size, spacing;
    double pitch;
  };
  const Case cases[] = {
      {"16 pt at 150 %", 16, 150, 24}, {"12 pt at 100 %", 12, 100, 12}, {"20 pt at 200 %", 20, 200, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetSettings s = Plain();
    s.fontSize = c.size;
    s.lineSpacing = c.spacing;
    const auto ys = Baselines(Lay(U"a\r\nb\r\nc", s).pages[0]);
    ASSERT_EQ(ys.size(), 3u);
    EXPECT_NEAR(ys[1] - ys[0], c.pitch, 1e-9);
    EXPECT_NEAR(ys[2] - ys[1], c.pitch, 1e-9);
  }
}

TEST(SheetLayout, TextStartsAtTheTopMarginWithoutAHead) {
  const auto ys = Baselines(Lay(U"a").pages[0]);
  ASSERT_EQ(ys.size(), 1u);
  EXPECT_NEAR(ys[0], kTop + FixedMeasure::kAscent, 1e-9);
}

TEST(SheetLayout, TheHeadHoldsTitleThenNameAndDateAboveTheText) {
  SheetSettings s;
  s.title = U"Im Zoo";
  const SheetPage page = Lay(U"Text", s).pages[0];
  ASSERT_GE(page.runs.size(), 3u);
  EXPECT_EQ(page.runs[0].text, U"Im Zoo");
  EXPECT_EQ(page.runs[0].role, FontRole::kTitle);
  EXPECT_EQ(page.runs[1].text, U"Name: ______  Datum: ______");
  EXPECT_EQ(page.runs[2].text, U"Text");
  EXPECT_LT(page.runs[0].baseline, page.runs[1].baseline);
  EXPECT_LT(page.runs[1].baseline + FixedMeasure::kDescent, page.runs[2].baseline - FixedMeasure::kAscent);
}

TEST(SheetLayout, APaperLineThatFitsOnAPageIsNeverSplit) {
  // 29 rows leave room for one more on the first page; the next paper line
  // needs three rows (four words of ten characters fill one row).
  Text text = ShortLines(29);
  for (int i = 0; i < 12; ++i) text += U"wwwwwwwww" + Text(1, Char(U'a' + i)) + U" ";
  const SheetDocument doc = Lay(text);
  EXPECT_EQ(PageOf(doc, U"wwwwwwwwwa"), 1);
  EXPECT_EQ(PageOf(doc, U"wwwwwwwwwl"), 1);
  EXPECT_EQ(Baselines(doc.pages[0]).size(), 29u);
}

TEST(SheetLayout, APaperLineLongerThanAPageContinuesOnTheNext) {
  Text text = U"x\r\n";
  for (int i = 0; i < 40 * 4; ++i) text += U"wwwwwwwww" + Text(1, Char(U'A' + i % 26)) + U" ";
  const SheetDocument doc = Lay(text);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(Baselines(doc.pages[0]).size(), 30u);
  EXPECT_EQ(Baselines(doc.pages[1]).size(), 11u);
}

TEST(SheetLayout, EveryPageCarriesItsNumberInTheFooter) {
  const SheetDocument doc = Lay(ShortLines(45));
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(doc.pages[0].runs.back().text, U"Seite 1 von 2");
  EXPECT_EQ(doc.pages[1].runs.back().text, U"Seite 2 von 2");
  EXPECT_EQ(doc.pages[1].runs.back().role, FontRole::kFooter);
  EXPECT_GT(doc.pages[1].runs.back().baseline, kBottom);
}

TEST(SheetLayout, TheAnswerKeyStartsANewPageWithTheOriginalUnmarked) {
  SheetSettings s = Plain();
  s.answerKey = true;
  s.syllableMarks = SyllableMarks::kColours;
  const TableSyllabifier engine({{U"Abend.", {1}}});
  const SheetDocument doc = Lay(U"A_end.", s, U"Abend.", &engine);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(doc.firstAnswerPage, 1);
  const SheetPage& key = doc.pages[1];
  ASSERT_GE(key.runs.size(), 2u);
  EXPECT_EQ(key.runs[0].text, U"Lösung");
  EXPECT_EQ(key.runs[1].text, U"Abend.");
  EXPECT_EQ(key.runs[1].ink, Ink::kBlack);
}

TEST(SheetLayout, NoAnswerKeyWhenSwitchedOffOrWithoutOriginal) {
  struct Case {
    const char* name;
    bool on;
    Text original;
  };
  const Case cases[] = {{"switched off", false, U"Abend."}, {"blank original", true, U" \r\n "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetSettings s = Plain();
    s.answerKey = c.on;
    const SheetDocument doc = Lay(U"A_end.", s, c.original);
    EXPECT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.firstAnswerPage, -1);
  }
}

TEST(SheetLayout, WritingRowsFollowTheTextAsPlainLinesOrSchoolRuling) {
  struct Case {
    const char* name;
    WritingRuling ruling;
    int rows;
    std::size_t strokes;
  };
  const Case cases[] = {{"none", WritingRuling::kSchool, 0, 0}, {"three plain", WritingRuling::kPlain, 3, 3},
                        {"three school", WritingRuling::kSchool, 3, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SheetSettings s = Plain();
    s.ruling = c.ruling;
    s.writingRows = c.rows;
    const SheetDocument doc = Lay(U"a", s);
    EXPECT_EQ(doc.pages[0].strokes.size(), c.strokes);
    for (const Stroke& st : doc.pages[0].strokes) EXPECT_GT(st.y1, doc.pages[0].runs[0].baseline);
  }
}

TEST(SheetLayout, TheSchoolRulingHasTheChosenBandHeights) {
  SheetSettings s = Plain();
  s.writingRows = 1;
  s.upperBandMm = 5;
  s.middleBandMm = 4;
  s.lowerBandMm = 3;
  const SheetDocument doc = Lay(U"a", s);
  const auto& strokes = doc.pages[0].strokes;
  ASSERT_EQ(strokes.size(), 4u);
  const double mm = 72 / 25.4;
  EXPECT_NEAR(strokes[1].y1 - strokes[0].y1, 5 * mm, 1e-9);
  EXPECT_NEAR(strokes[2].y1 - strokes[1].y1, 4 * mm, 1e-9);
  EXPECT_NEAR(strokes[3].y1 - strokes[2].y1, 3 * mm, 1e-9);
}

TEST(SheetLayout, ArcsLieUnderEachSyllable) {
  SheetSettings s = Plain();
  s.syllableMarks = SyllableMarks::kArcs;
  const TableSyllabifier engine({{U"Abend", {1}}});
  const SheetPage page = Lay(U"Abend", s, U"", &engine).pages[0];
  ASSERT_EQ(page.strokes.size(), 2u);
  const double left = kTop;  // the left margin equals the top one
  const double baseline = page.runs[0].baseline;
  const double spans[2][2] = {{left, left + 10}, {left + 10, left + 50}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(page.strokes[std::size_t(i)].kind, Stroke::Kind::kArc);
    EXPECT_GT(page.strokes[std::size_t(i)].x1, spans[i][0]);
    EXPECT_LT(page.strokes[std::size_t(i)].x2, spans[i][1]);
    EXPECT_GT(page.strokes[std::size_t(i)].y1, baseline);
  }
}

}  // namespace
}  // namespace tesmoran
