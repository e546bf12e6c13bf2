#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ScriptedUi.h"
#include "WordListFixtures.h"
#include "wordlist/WordListCommands.h"

namespace tesmoran {
namespace {

using testing::MakeList;
using testing::ScriptedUi;
using testing::SelectedIndices;
using testing::Show;

using Indices = std::vector<std::size_t>;

struct AppendCase {
  const char* name;
  std::vector<Text> entries;
  std::set<std::size_t> selected;
  Text solutionBefore;
  int mode;
  Text solutionAfter;
};

class AppendSelectedWordsTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendSelectedWordsTest, AppendsTheSelectedWordsBetweenLineBreaks) {
  const AppendCase& c = GetParam();
  Worksheet ws;
  ws.Liste2 = MakeList(c.entries, c.selected);
  ws.Text2 = c.solutionBefore;
  ws.Liste3 = c.mode;
  ScriptedUi ui;
  AppendSelectedWords(ws, ui);
  EXPECT_EQ(ws.Text2, c.solutionAfter) << Show(ws.Text2);
  EXPECT_EQ(SelectedIndices(ws.Liste2), Indices(c.selected.begin(), c.selected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AppendSelectedWordsTest,
    ::testing::Values(
        AppendCase{"TwoSelected", {U"Hund", U"Maus", U"Katze"}, {0, 2}, U"Aufgabe", kModeReplace,
                   U"Aufgabe\r\nHund Katze \r\n"},
        AppendCase{"NothingSelectedReplaceMode", {U"Hund"}, {}, U"Aufgabe", kModeReplace, U"Aufgabe\r\n\r\n"},
        AppendCase{"EmptyListExtendMode", {}, {}, U"", kModeExtend, U"\r\n\r\n"},
        AppendCase{"EmptyEntrySelected", {U"", U"a"}, {0, 1}, U"", kModeReplace, U"\r\n a \r\n"}),
    [](const ::testing::TestParamInfo<AppendCase>& info) { return info.param.name; });

struct SelectCase {
  const char* name;
  void (*command)(Worksheet&, UiServices&);
  std::set<std::size_t> before;
  Indices after;
};

class SelectCommandTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectCommandTest, SetsTheFlagsOfEveryEntry) {
  const SelectCase& c = GetParam();
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b", U"c"}, c.before);
  ScriptedUi ui;
  c.command(ws, ui);
  EXPECT_EQ(SelectedIndices(ws.Liste2), c.after);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"a", U"b", U"c"}));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, SelectCommandTest,
    ::testing::Values(SelectCase{"AllFromNone", SelectAllWords, {}, {0, 1, 2}},
                      SelectCase{"AllFromSome", SelectAllWords, {1}, {0, 1, 2}},
                      SelectCase{"NoneFromSome", SelectNoWords, {0, 2}, {}},
                      SelectCase{"NoneFromAll", SelectNoWords, {0, 1, 2}, {}}),
    [](const ::testing::TestParamInfo<SelectCase>& info) { return info.param.name; });

TEST(DeleteSelectedWords, YesRemovesTheSelectedEntries) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b", U"c", U"d"}, {1, 3});
  ws.Liste4 = {U"gesichert"};
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  DeleteSelectedWords(ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"a", U"c"}));
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  EXPECT_EQ(ws.Liste4, std::vector<Text>{U"gesichert"}) << "the backup is not touched";
}

TEST(DeleteSelectedWords, AllSelectedThenResetBringsBackTheBackup) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b"});
  ScriptedUi ui;
  SaveWordListCopy(ws, ui);
  SelectAllWords(ws, ui);
  ui.AnswerMessage(kAnswerYes);
  DeleteSelectedWords(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty());
  RestoreWordListCopy(ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"a", U"b"}));
}

// The two commands that ask first: their question, and No changes nothing.
struct QuestionCase {
  const char* name;
  void (*command)(Worksheet&, UiServices&);
  Text prompt;
  Text title;
};

class AskingCommandTest : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(AskingCommandTest, AsksWithNoAsDefaultAndNoChangesNothing) {
  const QuestionCase& c = GetParam();
  Worksheet ws;
  ws.Liste2 = MakeList({U"Hund", U"Maus", U"Katze"}, {0, 2});
  ScriptedUi ui;
  ui.clipboard = U"vorher";
  ui.AnswerMessage(kAnswerNo);
  c.command(ws, ui);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, c.prompt);
  EXPECT_EQ(ui.Shown()[0].title, c.title);
  EXPECT_EQ(ui.Shown()[0].style, 292);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"Hund", U"Maus", U"Katze"}));
  EXPECT_EQ(SelectedIndices(ws.Liste2), (Indices{0, 2}));
  EXPECT_EQ(ui.clipboard, U"vorher");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AskingCommandTest,
    ::testing::Values(QuestionCase{"Delete", DeleteSelectedWords, U"Markierte Wörter aus der Liste löschen?\n\r",
                                   U"Liste löschen"},
                      QuestionCase{"Copy", CopySelectedWords, U"Markierte Wörter in Ablage kopieren?\n\r",
                                   U"Wörterliste"}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) { return info.param.name; });

// Without a selection the two asking commands do nothing and ask nothing;
// ScriptedUi fails the test on any box.
struct QuietCase {
  const char* name;
  void (*command)(Worksheet&, UiServices&);
  std::vector<Text> entries;
};

class QuietWithoutSelectionTest : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietWithoutSelectionTest, AsksNothingAndChangesNothing) {
  const QuietCase& c = GetParam();
  Worksheet ws;
  ws.Liste2 = MakeList(c.entries);
  ScriptedUi ui;
  ui.clipboard = U"vorher";
  c.command(ws, ui);
  EXPECT_TRUE(ui.Shown().empty());
  EXPECT_EQ(ws.Liste2.Texts(), c.entries);
  EXPECT_EQ(ui.clipboard, U"vorher");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuietWithoutSelectionTest,
    ::testing::Values(QuietCase{"DeleteEmptyList", DeleteSelectedWords, {}},
                      QuietCase{"DeleteNoneSelected", DeleteSelectedWords, {U"a", U"b"}},
                      QuietCase{"CopyEmptyList", CopySelectedWords, {}},
                      QuietCase{"CopyNoneSelected", CopySelectedWords, {U"a", U"b"}}),
    [](const ::testing::TestParamInfo<QuietCase>& info) { return info.param.name; });

TEST(SaveWordListCopy, ResetReturnsToTheListAsSaved) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"Hund", U"Katze"}, {1});
  ScriptedUi ui;
  SaveWordListCopy(ws, ui);
  EXPECT_EQ(ws.Liste4, (std::vector<Text>{U"Hund", U"Katze"}));
  ws.Liste2.SetEntryText(0, U"HUND");
  ws.Liste2.Append(U"Maus");
  RestoreWordListCopy(ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"Hund", U"Katze"}));
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty()) << "restored entries are unselected";
  EXPECT_EQ(ws.Liste4, (std::vector<Text>{U"Hund", U"Katze"})) << "the backup stays for another reset";
  ws.Liste2.Clear();
  RestoreWordListCopy(ws, ui);
  EXPECT_EQ(ws.Liste2.Count(), 2u);
}

TEST(RestoreWordListCopy, EmptyBackupEmptiesTheList) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a"}, {0});
  ScriptedUi ui;
  RestoreWordListCopy(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty());
}

TEST(CopySelectedWords, YesPutsTheWordsIntoTheClipboardAndClearsTheirSelection) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"Hund", U"Maus", U"Katze"}, {0, 2});
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  CopySelectedWords(ws, ui);
  EXPECT_EQ(ui.clipboard, U"Hund\r\nKatze\r\n");
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"Hund", U"Maus", U"Katze"}));
}

TEST(WordListModel, RemoveSelectedKeepsTheOrderOfTheRest) {
  WordList list = MakeList({U"a", U"b", U"c", U"d", U"e"}, {0, 2, 3});
  const auto revision = list.Revision();
  EXPECT_EQ(list.RemoveSelected(), 3u);
  EXPECT_EQ(list.Texts(), (std::vector<Text>{U"b", U"e"}));
  EXPECT_GT(list.Revision(), revision);
  const auto unchanged = list.Revision();
  EXPECT_EQ(list.RemoveSelected(), 0u);
  EXPECT_EQ(list.Revision(), unchanged) << "nothing removed, nothing to redraw";
}

}  // namespace
}  // namespace tesmoran
