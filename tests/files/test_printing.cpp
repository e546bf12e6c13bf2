#include <gtest/gtest.h>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/Printing.h"

namespace tesmoran {
namespace {

using testing::RecordingProvider;
using testing::ScriptedUi;

class PrintSolutionTextTest : public ::testing::Test {
 protected:
  ScriptedUi ui;
  Worksheet sheet;
  RecordingProvider printers;
};

TEST_F(PrintSolutionTextTest, EmptySolutionTextDoesNothing) {
  PrintSolutionText(sheet, ui, printers);
  EXPECT_TRUE(ui.Shown().empty());
  EXPECT_TRUE(printers.made.empty());
}

TEST_F(PrintSolutionTextTest, NoPrintsNothing) {
  sheet.Text2 = U"Text";
  ui.AnswerMessage(kAnswerNo);
  PrintSolutionText(sheet, ui, printers);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Das grüne Textfeld ausdrucken?\n\r ");
  EXPECT_EQ(ui.Shown()[0].title, U"Tesmoran drucken");
  EXPECT_EQ(ui.Shown()[0].style, style::kYesNoQuestionDefaultNo);
  EXPECT_TRUE(printers.made.empty());
}

TEST_F(PrintSolutionTextTest, YesPrintsTheLinesInCourier16) {
  sheet.Text2 = Text(30, U'a') + U" " + Text(30, U'b');
  ui.AnswerMessage(kAnswerYes);
  PrintSolutionText(sheet, ui, printers);
  ASSERT_EQ(printers.made.size(), 1u);
  const auto& printer = *printers.made[0];
  EXPECT_EQ(printer.font, U"Courier New");
  EXPECT_EQ(printer.size, 16);
  EXPECT_EQ(printer.lines, (std::vector<Text>{Text(30, U'a') + U" ", Text(30, U'b')}));
  EXPECT_TRUE(printer.ended);
  EXPECT_EQ(ui.Shown().size(), 1u);
}

TEST_F(PrintSolutionTextTest, MissingPrinterIsReported) {
  printers.hasPrinter = false;
  sheet.Text2 = U"Text";
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  PrintSolutionText(sheet, ui, printers);
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_EQ(ui.Shown()[1].prompt.substr(0, 33), U"Es ist kein Drucker eingerichtet.");
  EXPECT_EQ(ui.Shown()[1].style, style::kOkStop);
}

TEST_F(PrintSolutionTextTest, PrinterErrorIsReportedAndTheDocumentIsNotEnded) {
  printers.failAtLine = 1;
  sheet.Text2 = U"eins\r\nzwei\r\ndrei";
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  PrintSolutionText(sheet, ui, printers);
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_NE(ui.Shown()[1].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_EQ(ui.Shown()[1].style, style::kOkStop);
  EXPECT_FALSE(printers.made[0]->ended);
  EXPECT_EQ(sheet.Text2, U"eins\r\nzwei\r\ndrei");
}

}  // namespace
}  // namespace tesmoran
