#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ScriptedUi.h"
#include "WordListFixtures.h"
#include "text/Utf8.h"
#include "wordlist/WordListCommands.h"

namespace tesmoran {
namespace {

using testing::MakeList;
using testing::ScriptedUi;
using testing::SelectedIndices;

using Indices = std::vector<std::size_t>;
using Texts = std::vector<Text>;

struct AppendCase {
  Texts entries;
  std::set<std::size_t> selected;
  Text before;
  int mode;
  Text after;
};

TEST(AppendSelectedWords, AppendsTheSelectedWordsBetweenLineBreaks) {
  const AppendCase cases[] = {
      {{U"Hund", U"Maus", U"Katze"}, {0, 2}, U"Aufgabe", kModeReplace, U"Aufgabe\r\nHund Katze \r\n"},
      {{U"Hund"}, {}, U"Aufgabe", kModeReplace, U"Aufgabe\r\n\r\n"},
      {{}, {}, U"", kModeExtend, U"\r\n\r\n"},
      {{U"", U"a"}, {0, 1}, U"", kModeReplace, U"\r\n a \r\n"},
  };
  for (const AppendCase& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.after));
    Worksheet ws;
    ws.Liste2 = MakeList(c.entries, c.selected);
    ws.Text2 = c.before;
    ws.Liste3 = c.mode;
    ScriptedUi ui;
    AppendSelectedWords(ws, ui);
    EXPECT_EQ(ws.Text2, c.after);
    EXPECT_EQ(SelectedIndices(ws.Liste2), Indices(c.selected.begin(), c.selected.end()));
  }
}

TEST(DeleteSelectedWords, YesRemovesTheSelectedEntriesAndKeepsTheBackup) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b", U"c", U"d"}, {1, 3});
  ws.Liste4 = {U"gesichert"};
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  DeleteSelectedWords(ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"a", U"c"}));
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  EXPECT_EQ(ws.Liste4, Texts{U"gesichert"});
}

TEST(SaveWordListCopy, ResetBringsBackTheSavedListUnselectedAsOftenAsAsked) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b"}, {1});
  ScriptedUi ui;
  RestoreWordListCopy(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty()) << "an empty backup empties the list";
  ws.Liste2 = MakeList({U"a", U"b"}, {1});
  SaveWordListCopy(ws, ui);
  SelectNoWords(ws, ui);
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  SelectAllWords(ws, ui);
  EXPECT_EQ(SelectedIndices(ws.Liste2), (Indices{0, 1}));
  ui.AnswerMessage(kAnswerYes);
  DeleteSelectedWords(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty());
  for (int reset = 0; reset < 2; ++reset) {
    RestoreWordListCopy(ws, ui);
    EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"a", U"b"}));
    EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
    ws.Liste2.SetEntryText(0, U"A");
  }
}

// ScriptedUi fails the test on any box that is not answered.
TEST(AskingCommands, AskOnlyWithASelectionAndNoChangesNothing) {
  const std::tuple<void (*)(Worksheet&, UiServices&), Text, Text> cases[] = {
      {DeleteSelectedWords, U"Markierte Wörter aus der Liste löschen?\n\r", U"Liste löschen"},
      {CopySelectedWords, U"Markierte Wörter in Ablage kopieren?\n\r", U"Wörterliste"},
  };
  for (const auto& [command, prompt, title] : cases) {
    SCOPED_TRACE(EncodeUtf8(prompt));
    for (const std::set<std::size_t>& selected : {std::set<std::size_t>{}, std::set<std::size_t>{0, 2}}) {
      Worksheet ws;
      ws.Liste2 = MakeList({U"Hund", U"Maus", U"Katze"}, selected);
      ScriptedUi ui;
      ui.clipboard = U"vorher";
      if (!selected.empty()) ui.AnswerMessage(kAnswerNo);
      command(ws, ui);
      EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"Hund", U"Maus", U"Katze"}));
      EXPECT_EQ(SelectedIndices(ws.Liste2), Indices(selected.begin(), selected.end()));
      EXPECT_EQ(ui.clipboard, U"vorher");
      ASSERT_EQ(ui.Shown().size(), selected.empty() ? 0u : 1u);
      if (selected.empty()) continue;
      EXPECT_EQ(ui.Shown()[0].prompt, prompt);
      EXPECT_EQ(ui.Shown()[0].title, title);
      EXPECT_EQ(ui.Shown()[0].style, 292);
    }
    Worksheet empty;
    ScriptedUi ui;
    command(empty, ui);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

TEST(CopySelectedWords, YesPutsTheWordsIntoTheClipboardAndClearsTheirSelection) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"Hund", U"Maus", U"Katze"}, {0, 2});
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  CopySelectedWords(ws, ui);
  EXPECT_EQ(ui.clipboard, U"Hund\r\nKatze\r\n");
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"Hund", U"Maus", U"Katze"}));
}

}  // namespace
}  // namespace tesmoran
