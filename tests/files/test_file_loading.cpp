#include <gtest/gtest.h>

#include "FilesTestSupport.h"
#include "ScriptedUi.h"
#include "files/FileLoading.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ScratchDir;
using testing::ScriptedUi;

const Text kLoadError = U"BRIEF.TXT\n\r--------------------------------------\n\r"
                        U"Dateifehler beim Laden!\n\rText wird nicht geladen!";
const Text kSizeQuestion = U"Die Datei ist zu umfangreich\n\roder hat ein anderes Format.\n\r"
                           U"Diese Datei trotzdem laden?";

class LoadSelectedFileTest : public ::testing::Test {
 protected:
  // Chooses `name` in the scratch directory and loads it.
  bool Load(const std::string& name) {
    selection = SelectFile(Text(dir.Path().u32string()), Text(name.begin(), name.end()));
    return LoadSelectedFile(selection, preview, sheet, ui);
  }
  void ExpectLoadError() {
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, kLoadError);
    EXPECT_EQ(ui.Shown()[0].title, U"Dateifehler");
    EXPECT_EQ(ui.Shown()[0].style, style::kOkStop);
  }

  ScratchDir dir;
  ScriptedUi ui;
  Worksheet sheet;
  FileSelection selection;
  Text preview = U"Text1";
};

TEST_F(LoadSelectedFileTest, JoinsTheLinesIntoThePreview) {
  dir.Write("Brief.txt", "Der Hund, die Katze\r\nund die Maus.\r\n");
  EXPECT_TRUE(Load("Brief.txt"));
  EXPECT_EQ(preview, U"Der Hund die Katze und die Maus.");
  EXPECT_TRUE(sheet.WorkText.empty());
}

TEST_F(LoadSelectedFileTest, TurnsTheSelectedFileIntoCapitalsButOpensItAsChosen) {
  dir.Write("brief.txt", "klein");
  ASSERT_TRUE(Load("brief.txt"));
  EXPECT_EQ(selection.SelectedFile, ToUpper(Text(dir.Path().u32string()) + U"/brief.txt"));
  EXPECT_EQ(preview, U"klein");
}

TEST_F(LoadSelectedFileTest, UsesWorkTextOnlyAsItsBuffer) {
  sheet.WorkText = U"alt";
  dir.Write("Brief.txt", "neu");
  ASSERT_TRUE(Load("Brief.txt"));
  EXPECT_TRUE(sheet.WorkText.empty());
}

struct EncodingCase {
  const char* name;
  std::string bytes;
};

class SameTextInEveryEncoding : public LoadSelectedFileTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(SameTextInEveryEncoding, LoadsTheGermanText) {
  dir.Write("Brief.txt", GetParam().bytes);
  ASSERT_TRUE(Load("Brief.txt"));
  EXPECT_EQ(EncodeUtf8(preview), "Größere Äpfel für Übermütige ärgern süß");
}

INSTANTIATE_TEST_SUITE_P(Files, SameTextInEveryEncoding,
                         ::testing::Values(EncodingCase{"CodePage1252", "Gr\xF6\xDF" "ere \xC4pfel f\xFCr\r\n"
                                                                       "\xDC" "berm\xFCtige \xE4rgern s\xFC\xDF"},
                                           EncodingCase{"Utf8", "Größere Äpfel für\r\nÜbermütige ärgern süß"},
                                           EncodingCase{"Utf8WithByteOrderMark",
                                                        "\xEF\xBB\xBFGrößere Äpfel für\nÜbermütige ärgern süß"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SizeCase {
  const char* name;
  std::size_t bytes;
  bool asks;
};

class SizeQuestion : public LoadSelectedFileTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeQuestion, AsksOnlyAboveTheByteLimit) {
  dir.Write("Brief.txt", std::string(GetParam().bytes, 'a'));
  if (GetParam().asks) ui.AnswerMessage(kAnswerYes);
  ASSERT_TRUE(Load("Brief.txt"));
  EXPECT_EQ(ui.Shown().size(), GetParam().asks ? 1u : 0u);
  if (GetParam().asks) {
    EXPECT_EQ(ui.Shown()[0].prompt, kSizeQuestion);
    EXPECT_EQ(ui.Shown()[0].title, U"Dateifehler");
    EXPECT_EQ(ui.Shown()[0].style, style::kYesNoQuestion);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, SizeQuestion,
                         ::testing::Values(SizeCase{"Exactly31000", 31000, false}, SizeCase{"Bytes31001", 31001, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSelectedFileTest, NoToTheSizeQuestionKeepsEverything) {
  dir.Write("Brief.txt", std::string(31001, 'a'));
  sheet.WorkText = U"Puffer";
  ui.AnswerMessage(kAnswerNo);
  EXPECT_FALSE(Load("Brief.txt"));
  EXPECT_EQ(preview, U"Text1");
  EXPECT_EQ(sheet.WorkText, U"Puffer");
}

TEST_F(LoadSelectedFileTest, StopsReadingAfterTheCharacterLimit) {
  // Lines of 99 letters: each field adds 100 characters with its space.
  std::string file;
  for (int i = 0; i < 400; ++i) file += std::string(99, 'x') + "\r\n";
  dir.Write("Brief.txt", file);
  ui.AnswerMessage(kAnswerYes);
  ASSERT_TRUE(Load("Brief.txt"));
  // 311 fields make 31100 > 31000 characters; the last space goes.
  EXPECT_EQ(preview.size(), 31099u);
}

struct BrokenCase {
  const char* name;
  std::string bytes;
};

class LoadErrors : public LoadSelectedFileTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(LoadErrors, ShowTheLoadErrorAndKeepThePreview) {
  dir.Write("Brief.txt", GetParam().bytes);
  sheet.WorkText = U"Puffer";
  ui.AnswerMessage();
  EXPECT_FALSE(Load("Brief.txt"));
  ExpectLoadError();
  EXPECT_EQ(preview, U"Text1");
  EXPECT_TRUE(sheet.WorkText.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, LoadErrors,
                         ::testing::Values(BrokenCase{"EmptyFile", ""}, BrokenCase{"NulBytes", std::string("ab\0\0", 4)},
                                           BrokenCase{"ControlBytes", "\x7F" "ELF\x02\x01\x01"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSelectedFileTest, FileGoneSinceTheClickShowsTheLoadError) {
  const auto file = dir.Write("Brief.txt", "da");
  selection = SelectFile(Text(dir.Path().u32string()), U"Brief.txt");
  std::filesystem::remove(file);
  ui.AnswerMessage();
  EXPECT_FALSE(LoadSelectedFile(selection, preview, sheet, ui));
  ExpectLoadError();
  EXPECT_EQ(preview, U"Text1");
}

TEST(SelectFile, PutsOneSeparatorBetweenDirectoryAndName) {
  EXPECT_EQ(SelectFile(U"/home/lehrer", U"a.txt").SelectedFile, U"/home/lehrer/a.txt");
  EXPECT_EQ(SelectFile(U"/", U"a.txt").SelectedFile, U"/a.txt");
  EXPECT_EQ(SelectFile(U"C:\\", U"A.TXT", U'\\').SelectedFile, U"C:\\A.TXT");
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

}  // namespace
}  // namespace tesmoran
