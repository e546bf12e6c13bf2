#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <tuple>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/FileLoading.h"
#include "files/SolutionFile.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

class SaveSolutionTextTest : public ::testing::Test {
 protected:
  // Yes to the question, `name` in the input box; OK to the error when `fails`.
  void SaveAs(const Text& solution, const Text& name, bool fails = false) {
    sheet.Text2 = solution;
    ui.AnswerMessage(kAnswerYes).AnswerInput(name);
    if (fails) ui.AnswerMessage();
    SaveSolutionText(sheet, ui, printers);
  }
  void ExpectError(const Text& part) {
    ASSERT_EQ(ui.Shown().size(), 3u);
    EXPECT_NE(ui.Shown()[2].prompt.find(part), Text::npos) << EncodeUtf8(ui.Shown()[2].prompt);
    EXPECT_EQ(ui.Shown()[2].style, style::kOkStop);
  }

  testing::ScratchDir dir;
  ScriptedUi ui;
  Worksheet sheet;
  testing::RecordingProvider printers;
};

TEST_F(SaveSolutionTextTest, EmptySolutionTextIsReported) {
  ui.AnswerMessage();
  SaveSolutionText(sheet, ui, printers);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Es ist kein Lösungstext vorhanden!\r\r");
  EXPECT_EQ(ui.Shown()[0].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
}

TEST_F(SaveSolutionTextTest, AsksThenOverwritesTheNamedFileSilently) {
  dir.Write("TESMORAN.TXT", std::string(500, 'z'));
  SaveAs(U"Lösung", U"TESMORAN.TXT");
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Das grüne Textfeld abspeichern?\n\r ");
  EXPECT_EQ(ui.Shown()[0].title, U"Tesmoran speichern");
  EXPECT_EQ(ui.Shown()[0].style, style::kYesNoQuestionDefaultNo);
  EXPECT_EQ(ui.Shown()[1].prompt, U"Lösungstext speichern als:");
  EXPECT_EQ(ui.Shown()[1].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[1].defaultAnswer, U"TESMORAN.TXT");
  EXPECT_EQ(dir.Read("TESMORAN.TXT"), "L\xF6sung\r\n");
}

TEST_F(SaveSolutionTextTest, NoOrAnEmptyNameWritesNothing) {
  sheet.Text2 = U"Lösung";
  ui.AnswerMessage(kAnswerNo);
  SaveSolutionText(sheet, ui, printers);
  SaveAs(U"Lösung", U"");
  EXPECT_EQ(ui.Shown().size(), 3u);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST_F(SaveSolutionTextTest, WritesTheTextPlusCrLfAndLoadsItBackUnchanged) {
  const std::tuple<Text, std::string, Text> cases[] = {  // solution, file, loaded
      {U"\r\nEINS\r\nzwei", "\r\nEINS\r\nzwei\r\n", U" EINS zwei"},
      {U"süß € „Zitat“", "s\xFC\xDF \x80 \x84Zitat\x93\r\n", U"süß € „Zitat“"},
      {U"Häkchen ✓", "\xEF\xBB\xBFH\xC3\xA4kchen \xE2\x9C\x93\r\n", U"Häkchen ✓"},
  };
  for (const auto& [solution, bytes, loaded] : cases) {
    SaveAs(solution, U"blatt");  // no extension added
    EXPECT_EQ(dir.Read("blatt"), bytes);
    FileSelection selection = SelectFile(dir.Directory(), U"blatt");
    Text preview;
    ASSERT_TRUE(LoadSelectedFile(selection, preview, sheet, ui));
    EXPECT_EQ(EncodeUtf8(preview), EncodeUtf8(loaded));
  }
}

TEST_F(SaveSolutionTextTest, MissingDirectoryOrDirectoryNameIsReported) {
  std::filesystem::create_directory(dir.path / "ordner");
  SaveAs(U"Lösung", U"fehlt/blatt.txt", true);
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_EQ(ui.Shown()[2].prompt, U"Die Datei \"fehlt/blatt.txt\" kann nicht gespeichert werden.\r\n"
                                  U"Das Verzeichnis ist nicht vorhanden.\r\n\r\nDer Lösungstext bleibt erhalten.");
  EXPECT_EQ(ui.Shown()[2].title, U"Speichern");
  EXPECT_EQ(sheet.Text2, U"Lösung");
  SaveAs(U"Lösung", U"ordner", true);
  ASSERT_EQ(ui.Shown().size(), 6u);
  EXPECT_NE(ui.Shown()[5].prompt.find(U"Verzeichnis"), Text::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path / "ordner"));
}

TEST_F(SaveSolutionTextTest, FailedWriteLeavesTheExistingFileUnchanged) {
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
  ExpectError(U"zu groß");
  EXPECT_EQ(dir.Read("TESMORAN.TXT"), "alter Inhalt\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1) << "no temporary file left";
}

TEST_F(SaveSolutionTextTest, PdfNameGetsThePrintedLinesOrNoFileAtAll) {
  SaveAs(U"\r\nDER HUND BELLT.", U"Blatt.PDF");
  ASSERT_EQ(printers.made.size(), 1u);
  EXPECT_EQ(printers.made[0].lines, (std::vector<Text>{U"", U"DER HUND ", U"BELLT."}));
  EXPECT_EQ(dir.Read("Blatt.PDF"), "\nDER HUND \nBELLT.\n");
  std::filesystem::remove(dir.path / "Blatt.PDF");
  printers.failAtLine = 1;
  SaveAs(U"eins\r\nzwei", U"blatt.pdf", true);
  ASSERT_EQ(ui.Shown().size(), 5u);
  EXPECT_NE(ui.Shown()[4].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST(IsPdfName, MatchesTheExtensionInAnyCase) {
  const std::pair<Text, bool> cases[] = {
      {U"a.pdf", true}, {U"A.PdF", true}, {U".pdf", false}, {U"a.pdf.txt", false}, {U"apdf", false}};
  for (const auto& [name, pdf] : cases) EXPECT_EQ(IsPdfName(name), pdf) << EncodeUtf8(name);
}

}  // namespace
}  // namespace tesmoran
