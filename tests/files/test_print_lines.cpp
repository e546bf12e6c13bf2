#include <gtest/gtest.h>

#include "files/PrintLines.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

// A text of `length` letters with spaces at the given 1-based positions.
Text WithSpacesAt(std::size_t length, std::initializer_list<std::size_t> spaces) {
  Text text(length, U'x');
  for (std::size_t p : spaces) text[p - 1] = kSpace;
  return text;
}

std::vector<std::size_t> Lengths(const std::vector<Text>& pieces) {
  std::vector<std::size_t> lengths;
  for (const Text& p : pieces) lengths.push_back(p.size());
  return lengths;
}

struct PieceCase {
  const char* name;
  Text text;
  std::vector<std::size_t> lengths;
};

class PrintPiecesTest : public ::testing::TestWithParam<PieceCase> {};

TEST_P(PrintPiecesTest, BreaksAfterTheLastSpaceWithin46) {
  const auto pieces = PrintPieces(GetParam().text);
  EXPECT_EQ(Lengths(pieces), GetParam().lengths);
  Text joined;
  for (const Text& p : pieces) joined += p;
  EXPECT_EQ(joined, GetParam().text) << "pieces must give back the whole text";
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrintPiecesTest,
    ::testing::Values(PieceCase{"SixtyWithSpacesAt10_30_50", WithSpacesAt(60, {10, 30, 50}), {30, 20, 10}},
                      PieceCase{"Exactly46WithoutSpace", WithSpacesAt(46, {}), {46}},
                      PieceCase{"Position46IsASpace", WithSpacesAt(50, {20, 46}), {46, 4}},
                      PieceCase{"LongWordCutAfter46", WithSpacesAt(100, {}), {46, 46, 8}},
                      PieceCase{"BreakAfterSecondOfTwoSpaces", WithSpacesAt(60, {44, 45}), {45, 15}},
                      PieceCase{"Position46IsFirstOfTwoSpaces", WithSpacesAt(100, {46, 47, 80}), {46, 34, 20}},
                      PieceCase{"ShortRemainderStillBreaksAtItsLastSpace", WithSpacesAt(12, {5}), {5, 7}},
                      PieceCase{"RemainderStartingWithItsOnlySpace", WithSpacesAt(60, {47}), {46, 1, 13}},
                      PieceCase{"EmptyText", Text(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaperLines, LineBreakInsideAPieceDoesNotRestartTheCount) {
  // 20 letters, CR LF, 30 letters with a space after the first 10: the piece
  // ends at that space (position 33), then the paper line breaks at the CR LF.
  const Text text = Text(20, U'a') + U"\r\n" + Text(10, U'b') + U" " + Text(29, U'c');
  const auto lines = PaperLines(text);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], Text(20, U'a'));
  EXPECT_EQ(lines[1], Text(10, U'b') + U" ");
  EXPECT_EQ(lines[2], Text(29, U'c'));
}

TEST(PaperLines, EmptyFirstLineOfAnExtendedSolutionStays) {
  const auto lines = PaperLines(U"\r\nHUND.\r\nKATZE.");
  EXPECT_EQ(lines, (std::vector<Text>{U"", U"HUND.", U"KATZE."}));
}

}  // namespace
}  // namespace tesmoran
