#include <gtest/gtest.h>

#include <optional>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/FileLoading.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

const Text kLoadError = U"BRIEF.TXT\n\r--------------------------------------\n\r"
                        U"Dateifehler beim Laden!\n\rText wird nicht geladen!";

class LoadSelectedFileTest : public ::testing::Test {
 protected:
  // Writes Brief.txt (removes it for no bytes), chooses and loads it.
  bool Load(const std::optional<std::string>& bytes) {
    if (bytes) dir.Write("Brief.txt", *bytes);
    if (!bytes) std::filesystem::remove(dir.path / "Brief.txt");
    selection = SelectFile(dir.Directory(), U"Brief.txt");
    return LoadSelectedFile(selection, preview, sheet, ui);
  }
  void ExpectBox(std::size_t index, const Text& prompt, int style) {
    ASSERT_GT(ui.Shown().size(), index);
    EXPECT_EQ(ui.Shown()[index].prompt, prompt);
    EXPECT_EQ(ui.Shown()[index].title, U"Dateifehler");
    EXPECT_EQ(ui.Shown()[index].style, style);
  }

  testing::ScratchDir dir;
  ScriptedUi ui;
  Worksheet sheet;
  FileSelection selection;
  Text preview = U"Text1";
};

TEST_F(LoadSelectedFileTest, LoadsTheSameGermanTextFromEveryEncoding) {
  const std::string cases[] = {
      "Gr\xF6\xDF" "ere \xC4pfel f\xFCr\r\n\xDC" "berm\xFCtige \xE4rgern s\xFC\xDF",
      "Größere Äpfel für\r\nÜbermütige ärgern süß",
      "\xEF\xBB\xBFGrößere Äpfel für\nÜbermütige ärgern süß",
  };
  for (const std::string& bytes : cases) {
    sheet.WorkText = U"Puffer";
    ASSERT_TRUE(Load(bytes)) << bytes;
    EXPECT_EQ(EncodeUtf8(preview), "Größere Äpfel für Übermütige ärgern süß");
    EXPECT_TRUE(sheet.WorkText.empty()) << "the work text is only the loading buffer";
  }
  EXPECT_EQ(selection.SelectedFile, ToUpper(dir.Directory() + U"/Brief.txt"));
}

TEST_F(LoadSelectedFileTest, AsksOnlyAboveTheByteLimitAndNoKeepsEverything) {
  ASSERT_TRUE(Load(std::string(31000, 'a')));
  EXPECT_TRUE(ui.Shown().empty());
  sheet.WorkText = U"Puffer";
  ui.AnswerMessage(kAnswerNo);
  EXPECT_FALSE(Load(std::string(31001, 'b')));
  ExpectBox(0, U"Die Datei ist zu umfangreich\n\roder hat ein anderes Format.\n\rDiese Datei trotzdem laden?",
            style::kYesNoQuestion);
  EXPECT_EQ(preview, Text(31000, U'a'));
  EXPECT_EQ(sheet.WorkText, U"Puffer");
}

TEST_F(LoadSelectedFileTest, StopsReadingAfterTheCharacterLimit) {
  // Lines of 99 letters: each field adds 100 characters with its space.
  std::string file;
  for (int i = 0; i < 400; ++i) file += std::string(99, 'x') + "\r\n";
  ui.AnswerMessage(kAnswerYes);
  ASSERT_TRUE(Load(file));
  // 311 fields make 31100 > 31000 characters; the last space goes.
  EXPECT_EQ(preview.size(), 31099u);
}

TEST_F(LoadSelectedFileTest, UnreadableFileShowsTheLoadErrorAndKeepsThePreview) {
  const std::optional<std::string> cases[] = {"", std::string("ab\0\0", 4), "\x7F" "ELF\x02\x01\x01", std::nullopt};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& bytes = cases[i];
    sheet.WorkText = U"Puffer";
    ui.AnswerMessage();
    EXPECT_FALSE(Load(bytes)) << bytes.value_or("(no file)");
    ExpectBox(i, kLoadError, style::kOkStop);
    EXPECT_EQ(preview, U"Text1");
    EXPECT_TRUE(sheet.WorkText.empty());
  }
}

TEST(CheckFileChosen, AsksForAFileFirst) {
  ScriptedUi ui;
  ui.AnswerMessage();
  EXPECT_FALSE(CheckFileChosen(FileSelection{}, ui));
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Erst eine Datei auswählen!");
  EXPECT_EQ(ui.Shown()[0].title, U"Ladefehler");
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
  EXPECT_TRUE(CheckFileChosen(SelectFile(U"/", U"a.txt"), ui));
}

TEST(SelectFile, PutsOneSeparatorBetweenDirectoryAndName) {
  EXPECT_EQ(SelectFile(U"/", U"a.txt").SelectedFile, U"/a.txt");
  EXPECT_EQ(SelectFile(U"C:\\", U"A.TXT", U'\\').SelectedFile, U"C:\\A.TXT");
}

}  // namespace
}  // namespace tesmoran
