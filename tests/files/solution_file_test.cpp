// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <tuple>

#include "FilesTestSupport.h"
#include "files/FileLoading.h"
#include "files/PrintLines.h"

namespace tesmoran {
namespace {

using testing::ExpectBox;

using testing::SolutionTextTest;

TEST_F(SolutionTextTest, SavingAsksThenOverwritesTheNamedFileSilently) {
  dir.Write("TESMORAN.TXT", std::string(500, 'z'));
  SaveAs(U"Lösung", U"TESMORAN.TXT");
  ASSERT_EQ(ui.Shown().size(), 2u);
  ExpectBox(ui, 0, U"Das grüne Textfeld abspeichern?\n\r ", U"Tesmoran speichern", style::kYesNoQuestionDefaultNo);
  EXPECT_EQ(ui.Shown()[1].prompt, U"Lösungstext speichern als:");
  EXPECT_EQ(ui.Shown()[1].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[1].defaultAnswer, U"TESMORAN.TXT");
  EXPECT_EQ(dir.Read("TESMORAN.TXT"), "L\xF6sung\r\n");
}

TEST_F(SolutionTextTest, NoTextOrNoOrAnEmptyNameSavesNothing) {
  ui.AnswerMessage().AnswerMessage(kAnswerNo);
  SaveSolutionText(Text(), ui, printers);
  ExpectBox(ui, 0, U"Es ist kein Lösungstext vorhanden!\r\r", U"Speichern", style::kOk);
  SaveSolutionText(U"Lösung", ui, printers);
  SaveAs(U"Lösung", U"");
  EXPECT_EQ(ui.Shown().size(), 4u);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST_F(SolutionTextTest, SavedFileIsTheTextPlusCrLfAndLoadsBackUnchanged) {
  const std::tuple<const char*, Text, std::string, Text> rows[] = {  // name, solution, file, loaded
      {"line breaks", U"\r\nEINS\r\nzwei", "\r\nEINS\r\nzwei\r\n", U" EINS zwei"},
      {"code page 1252 signs", U"süß € „Zitat“", "s\xFC\xDF \x80 \x84Zitat\x93\r\n", U"süß € „Zitat“"},
      {"outside the code page", U"Häkchen ✓", "\xEF\xBB\xBFH\xC3\xA4kchen \xE2\x9C\x93\r\n", U"Häkchen ✓"},
  };
  for (const auto& [name, solution, bytes, loaded] : rows) {
    SCOPED_TRACE(name);
    SaveAs(solution, U"blatt");  // no extension added
    EXPECT_EQ(dir.Read("blatt"), bytes);
    FileSelection selection = SelectFile(dir.Directory(), U"blatt");
    Text preview;
    ASSERT_TRUE(LoadSelectedFile(selection, preview, ui));
    EXPECT_EQ(EncodeUtf8(preview), EncodeUtf8(loaded));
  }
}

TEST_F(SolutionTextTest, SavingIntoAMissingDirectoryIsReported) {
  SaveAs(U"Lösung", U"fehlt/blatt.txt", true);
  ExpectBox(ui, 2,
            U"Die Datei \"fehlt/blatt.txt\" kann nicht gespeichert werden.\r\n"
            U"Das Verzeichnis ist nicht vorhanden.\r\n\r\nDer Lösungstext bleibt erhalten.",
            U"Speichern", style::kOkStop);
}

TEST_F(SolutionTextTest, FailedWriteLeavesTheExistingFileUnchanged) {
  dir.Write("TESMORAN.TXT", "alter Inhalt\r\n");
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit limit = previous;
  limit.rlim_cur = 4096;  // as a full disk would
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  SaveAs(Text(100000, U'x'), U"TESMORAN.TXT", true);
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, handler);
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_NE(ui.Shown()[2].prompt.find(U"zu groß"), Text::npos);
  EXPECT_EQ(dir.Read("TESMORAN.TXT"), "alter Inhalt\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1) << "no temporary file left";
}

TEST_F(SolutionTextTest, PdfNameGetsThePrintedLinesOrNoFileAtAll) {
  SaveAs(U"\r\nDER HUND BELLT.", U"Blatt.PDF");
  EXPECT_EQ(dir.Read("Blatt.PDF"), "\nDER HUND \nBELLT.\n");
  std::filesystem::remove(dir.path / "Blatt.PDF");
  printers.failAtLine = 1;
  SaveAs(U"eins\r\nzwei", U"blatt.pdf", true);
  ASSERT_EQ(ui.Shown().size(), 5u);
  EXPECT_NE(ui.Shown()[4].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

// A text of `length` letters with spaces at the given 1-based positions.
Text WithSpacesAt(std::size_t length, std::initializer_list<std::size_t> spaces) {
  Text text(length, U'x');
  for (std::size_t p : spaces) text[p - 1] = kSpace;
  return text;
}

TEST(PrintPieces, BreakAfterTheLastSpaceWithin46Characters) {
  const std::tuple<const char*, Text, std::vector<std::size_t>> rows[] = {  // name, text, piece lengths
      {"last space within reach", WithSpacesAt(60, {10, 30, 50}), {30, 20, 10}},
      {"exactly one line", WithSpacesAt(46, {}), {46}},
      {"space at the limit", WithSpacesAt(50, {20, 46}), {46, 4}},
      {"no space at all", WithSpacesAt(100, {}), {46, 46, 8}},
      {"two spaces before the limit", WithSpacesAt(60, {44, 45}), {45, 15}},
      {"spaces at and behind the limit", WithSpacesAt(100, {46, 47, 80}), {46, 34, 20}},
      {"short text", WithSpacesAt(12, {5}), {5, 7}},
      {"space just behind the limit", WithSpacesAt(60, {47}), {46, 1, 13}},
      {"empty text", Text(), {}},
  };
  for (const auto& [name, text, lengths] : rows) {
    SCOPED_TRACE(name);
    std::vector<std::size_t> got;
    Text joined;
    for (const Text& piece : PrintPieces(text)) got.push_back(piece.size()), joined += piece;
    EXPECT_EQ(got, lengths);
    EXPECT_EQ(joined, text);
  }
}

TEST(PaperLines, LineBreakInsideAPieceDoesNotRestartTheCount) {
  // The piece ends at the space behind the b's (position 35), then the paper
  // line breaks at the CR LF inside it; an empty first line stays.
  const Text text = U"\r\n" + Text(20, U'a') + U"\r\n" + Text(10, U'b') + U" " + Text(29, U'c');
  EXPECT_EQ(PaperLines(text), (std::vector<Text>{U"", Text(20, U'a'), Text(10, U'b') + U" ", Text(29, U'c')}));
}

TEST_F(SolutionTextTest, PrintingAsksFirstAndPrintsNothingOnNoOrAnEmptyText) {
  Print(U"");
  EXPECT_TRUE(ui.Shown().empty());
  ui.AnswerMessage(kAnswerNo);
  Print(U"Text");
  ExpectBox(ui, 0, U"Das grüne Textfeld ausdrucken?\n\r ", U"Tesmoran drucken", style::kYesNoQuestionDefaultNo);
  EXPECT_TRUE(printers.made.empty());
}

TEST_F(SolutionTextTest, YesPrintsThePaperLinesInCourier16) {
  ui.AnswerMessage(kAnswerYes);
  Print(Text(30, U'a') + U" " + Text(30, U'b'));
  ASSERT_EQ(printers.made.size(), 1u);
  EXPECT_EQ(printers.made[0].font, U"Courier New");
  EXPECT_EQ(printers.made[0].size, 16);
  EXPECT_EQ(printers.made[0].lines, (std::vector<Text>{Text(30, U'a') + U" ", Text(30, U'b')}));
  EXPECT_TRUE(printers.made[0].ended);
}

TEST_F(SolutionTextTest, PrinterErrorIsReportedAndTheDocumentIsNotEnded) {
  printers.failAtLine = 1;
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  Print(U"eins\r\nzwei");
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_NE(ui.Shown()[1].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_EQ(ui.Shown()[1].style, style::kOkStop);
  EXPECT_FALSE(printers.made.at(0).ended);
}

}  // namespace
}  // namespace tesmoran
