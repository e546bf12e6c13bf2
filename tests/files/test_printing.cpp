#include <gtest/gtest.h>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/PrintLines.h"
#include "files/Printing.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

// A text of `length` letters with spaces at the given 1-based positions.
Text WithSpacesAt(std::size_t length, std::initializer_list<std::size_t> spaces) {
  Text text(length, U'x');
  for (std::size_t p : spaces) text[p - 1] = kSpace;
  return text;
}

TEST(PrintPieces, BreakAfterTheLastSpaceWithin46Characters) {
  const std::pair<Text, std::vector<std::size_t>> cases[] = {  // text, piece lengths
      {WithSpacesAt(60, {10, 30, 50}), {30, 20, 10}},
      {WithSpacesAt(46, {}), {46}},
      {WithSpacesAt(50, {20, 46}), {46, 4}},
      {WithSpacesAt(100, {}), {46, 46, 8}},
      {WithSpacesAt(60, {44, 45}), {45, 15}},
      {WithSpacesAt(100, {46, 47, 80}), {46, 34, 20}},
      {WithSpacesAt(12, {5}), {5, 7}},
      {WithSpacesAt(60, {47}), {46, 1, 13}},
      {Text(), {}},
  };
  for (const auto& [text, lengths] : cases) {
    const std::vector<Text> pieces = PrintPieces(text);
    std::vector<std::size_t> got;
    Text joined;
    for (const Text& p : pieces) got.push_back(p.size()), joined += p;
    EXPECT_EQ(got, lengths);
    EXPECT_EQ(joined, text);
  }
}

TEST(PaperLines, LineBreakInsideAPieceDoesNotRestartTheCount) {
  // The piece ends at the space behind the b's (position 33), then the paper
  // line breaks at the CR LF inside it; an empty first line stays.
  const Text text = U"\r\n" + Text(20, U'a') + U"\r\n" + Text(10, U'b') + U" " + Text(29, U'c');
  EXPECT_EQ(PaperLines(text), (std::vector<Text>{U"", Text(20, U'a'), Text(10, U'b') + U" ", Text(29, U'c')}));
}

class PrintSolutionTextTest : public ::testing::Test {
 protected:
  // Prints `solution`; the answers are queued on `ui` before.
  void Print(const Text& solution) {
    sheet.Text2 = solution;
    PrintSolutionText(sheet, ui, printers);
  }
  ScriptedUi ui;
  Worksheet sheet;
  testing::RecordingProvider printers;
};

TEST_F(PrintSolutionTextTest, EmptySolutionTextDoesNothing) {
  Print(U"");
  EXPECT_TRUE(ui.Shown().empty());
  EXPECT_TRUE(printers.made.empty());
}

TEST_F(PrintSolutionTextTest, NoPrintsNothing) {
  ui.AnswerMessage(kAnswerNo);
  Print(U"Text");
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Das grüne Textfeld ausdrucken?\n\r ");
  EXPECT_EQ(ui.Shown()[0].title, U"Tesmoran drucken");
  EXPECT_EQ(ui.Shown()[0].style, style::kYesNoQuestionDefaultNo);
  EXPECT_TRUE(printers.made.empty());
}

TEST_F(PrintSolutionTextTest, YesPrintsThePaperLinesInCourier16) {
  ui.AnswerMessage(kAnswerYes);
  Print(Text(30, U'a') + U" " + Text(30, U'b'));
  ASSERT_EQ(printers.made.size(), 1u);
  EXPECT_EQ(printers.made[0].font, U"Courier New");
  EXPECT_EQ(printers.made[0].size, 16);
  EXPECT_EQ(printers.made[0].lines, (std::vector<Text>{Text(30, U'a') + U" ", Text(30, U'b')}));
  EXPECT_TRUE(printers.made[0].ended);
}

TEST_F(PrintSolutionTextTest, PrinterFailuresAreReported) {
  printers.hasPrinter = false;
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  Print(U"Text");
  printers.hasPrinter = true;
  printers.failAtLine = 1;
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  Print(U"eins\r\nzwei\r\ndrei");
  ASSERT_EQ(ui.Shown().size(), 4u);
  EXPECT_EQ(ui.Shown()[1].prompt.substr(0, 33), U"Es ist kein Drucker eingerichtet.");
  EXPECT_NE(ui.Shown()[3].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_EQ(ui.Shown()[1].style, style::kOkStop);
  EXPECT_EQ(ui.Shown()[3].style, style::kOkStop);
  EXPECT_FALSE(printers.made[0].ended) << "a failed document is not ended";
}

}  // namespace
}  // namespace tesmoran
