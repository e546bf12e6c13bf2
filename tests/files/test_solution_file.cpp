#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/FileLoading.h"
#include "files/SolutionFile.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ReadBytes;
using testing::RecordingProvider;
using testing::ScratchDir;
using testing::ScriptedUi;

class SaveSolutionTextTest : public ::testing::Test {
 protected:
  // Yes to the question, `name` in the input box, then saving; OK to the
  // error message when `fails`.
  void SaveAs(const Text& name, bool fails = false) {
    ui.AnswerMessage(kAnswerYes).AnswerInput(name);
    if (fails) ui.AnswerMessage();
    SaveSolutionText(sheet, ui, printers);
  }
  std::filesystem::path InDir(const char* name) const { return dir.Path() / name; }

  ScratchDir dir;
  ScriptedUi ui;
  Worksheet sheet;
  RecordingProvider printers;
};

TEST_F(SaveSolutionTextTest, EmptySolutionTextIsReported) {
  ui.AnswerMessage();
  SaveSolutionText(sheet, ui, printers);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Es ist kein Lösungstext vorhanden!\r\r");
  EXPECT_EQ(ui.Shown()[0].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
}

TEST_F(SaveSolutionTextTest, AsksAndOffersTheDefaultName) {
  sheet.Text2 = U"Lösung";
  SaveAs(U"TESMORAN.TXT");
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Das grüne Textfeld abspeichern?\n\r ");
  EXPECT_EQ(ui.Shown()[0].title, U"Tesmoran speichern");
  EXPECT_EQ(ui.Shown()[0].style, style::kYesNoQuestionDefaultNo);
  EXPECT_EQ(ui.Shown()[1].prompt, U"Lösungstext speichern als:");
  EXPECT_EQ(ui.Shown()[1].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[1].defaultAnswer, U"TESMORAN.TXT");
  EXPECT_EQ(ReadBytes(InDir("TESMORAN.TXT")), "L\xF6sung\r\n");
}

TEST_F(SaveSolutionTextTest, NoWritesNothing) {
  sheet.Text2 = U"Lösung";
  ui.AnswerMessage(kAnswerNo);
  SaveSolutionText(sheet, ui, printers);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(SaveSolutionTextTest, EmptyNameWritesNothing) {
  sheet.Text2 = U"Lösung";
  SaveAs(U"");
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

struct ContentCase {
  const char* name;
  Text solution;
  std::string bytes;
};

class SavedBytes : public SaveSolutionTextTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(SavedBytes, AreTheSolutionTextPlusCrLf) {
  sheet.Text2 = GetParam().solution;
  SaveAs(U"blatt");  // no extension added
  EXPECT_EQ(ReadBytes(InDir("blatt")), GetParam().bytes);
  EXPECT_EQ(sheet.Text2, GetParam().solution);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SavedBytes,
    ::testing::Values(ContentCase{"OneLine", U"DER HUND.", "DER HUND.\r\n"},
                      ContentCase{"SeveralLinesKeepTheirBreaks", U"\r\nEINS\r\nzwei", "\r\nEINS\r\nzwei\r\n"},
                      ContentCase{"CodePageCharacters", U"süß € „Zitat“", "s\xFC\xDF \x80 \x84Zitat\x93\r\n"},
                      ContentCase{"BeyondCodePageAsUtf8", U"Häkchen ✓", "\xEF\xBB\xBFH\xC3\xA4kchen \xE2\x9C\x93\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveSolutionTextTest, SavedTextLoadsBackUnchanged) {
  sheet.Text2 = U"Häkchen ✓ und süße Äpfel";
  SaveAs(U"zurueck.txt");
  FileSelection selection = SelectFile(Text(dir.Path().u32string()), U"zurueck.txt");
  Text preview;
  ASSERT_TRUE(LoadSelectedFile(selection, preview, sheet, ui));
  EXPECT_EQ(EncodeUtf8(preview), EncodeUtf8(sheet.Text2));
}

TEST_F(SaveSolutionTextTest, OverwritesAnExistingFileSilently) {
  dir.Write("TESMORAN.TXT", std::string(500, 'z'));
  sheet.Text2 = U"neu";
  SaveAs(U"TESMORAN.TXT");
  EXPECT_EQ(ui.Shown().size(), 2u);
  EXPECT_EQ(ReadBytes(InDir("TESMORAN.TXT")), "neu\r\n");
}

TEST_F(SaveSolutionTextTest, MissingDirectoryIsReportedAndNothingChanges) {
  sheet.Text2 = U"Lösung";
  SaveAs(U"fehlt/blatt.txt", true);
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_EQ(ui.Shown()[2].prompt, U"Die Datei \"fehlt/blatt.txt\" kann nicht gespeichert werden.\r\n"
                                  U"Das Verzeichnis ist nicht vorhanden.\r\n\r\nDer Lösungstext bleibt erhalten.");
  EXPECT_EQ(ui.Shown()[2].title, U"Speichern");
  EXPECT_EQ(ui.Shown()[2].style, style::kOkStop);
  EXPECT_EQ(sheet.Text2, U"Lösung");
}

TEST_F(SaveSolutionTextTest, DirectoryNameIsReported) {
  std::filesystem::create_directory(InDir("ordner"));
  sheet.Text2 = U"Lösung";
  SaveAs(U"ordner", true);
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_NE(ui.Shown()[2].prompt.find(U"Verzeichnis"), Text::npos);
  EXPECT_TRUE(std::filesystem::is_directory(InDir("ordner")));
}

// Limits the size of files this process writes, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(SaveSolutionTextTest, FailedWriteLeavesTheExistingFileUnchanged) {
  const std::string old = "alter Inhalt\r\n";
  dir.Write("TESMORAN.TXT", old);
  sheet.Text2 = Text(100000, U'x');
  {
    FileSizeLimit limit(4096);
    SaveAs(U"TESMORAN.TXT", true);
  }
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_EQ(ui.Shown()[2].style, style::kOkStop);
  EXPECT_NE(ui.Shown()[2].prompt.find(U"zu groß"), Text::npos);
  EXPECT_EQ(ReadBytes(InDir("TESMORAN.TXT")), old);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(SaveSolutionTextTest, PdfNameGetsThePrintedLines) {
  sheet.Text2 = U"\r\nDER HUND BELLT.";
  SaveAs(U"Blatt.PDF");
  ASSERT_EQ(printers.made.size(), 1u);
  EXPECT_EQ(printers.made[0]->lines, (std::vector<Text>{U"", U"DER HUND ", U"BELLT."}));
  EXPECT_TRUE(printers.made[0]->ended);
  EXPECT_EQ(ReadBytes(InDir("Blatt.PDF")), "\nDER HUND \nBELLT.\n");
}

TEST_F(SaveSolutionTextTest, FailedPdfLeavesNoFile) {
  printers.failAtLine = 0;
  sheet.Text2 = U"Text";
  SaveAs(U"blatt.pdf", true);
  ASSERT_EQ(ui.Shown().size(), 3u);
  EXPECT_NE(ui.Shown()[2].prompt.find(U"Papierstau"), Text::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(IsPdfName, MatchesTheExtensionInAnyCase) {
  EXPECT_TRUE(IsPdfName(U"a.pdf"));
  EXPECT_TRUE(IsPdfName(U"A.PdF"));
  EXPECT_FALSE(IsPdfName(U".pdf"));
  EXPECT_FALSE(IsPdfName(U"a.pdf.txt"));
  EXPECT_FALSE(IsPdfName(U"apdf"));
}

}  // namespace
}  // namespace tesmoran
