// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ScriptedUi.h"
#include "text/Utf8.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordListCommands.h"
#include "wordlist/WordScan.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using Indices = std::vector<std::size_t>;
using Texts = std::vector<Text>;

// A word list with these entries; the indices in `selected` are selected.
WordList MakeList(const Texts& texts, const std::set<std::size_t>& selected = {}) {
  WordList list;
  for (const Text& t : texts) list.Append(t);
  for (std::size_t i : selected) list.SetSelected(i, true);
  return list;
}

Indices SelectedIndices(const WordList& list) {
  Indices indices;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSelected(i)) indices.push_back(i);
  }
  return indices;
}

// Runs one build with `boxes` message boxes answered; returns the boxes shown.
std::vector<testing::ShownBox> Build(Worksheet& ws, int boxes = 1) {
  ScriptedUi ui;
  for (int i = 0; i < boxes; ++i) ui.AnswerMessage(kAnswerOk);
  BuildWordList(ws, ui);
  return ui.Shown();
}

void ExpectBox(const testing::ShownBox& box, const Text& prompt, const Text& title, int style) {
  EXPECT_EQ(box.prompt, prompt);
  EXPECT_EQ(box.title, title);
  EXPECT_EQ(box.style, style);
}

TEST(BuildWordList, NeedsAText) {
  Worksheet ws;
  ws.Liste4 = {U"gesichert"};
  const auto boxes = Build(ws);
  ASSERT_EQ(boxes.size(), 1u);
  ExpectBox(boxes[0], U"Es ist keine Text vorhanden!", U"Liste erstellen", 0);
  EXPECT_EQ(ws.Liste4, Texts{U"gesichert"});
}

struct BuildCase {
  const char* name;
  Texts before;  // entries already in the list
  Text text;
  std::size_t selStart, selLength;
  Texts after;
};

TEST(BuildWordList, AppendsNewCleanedWordsCountsThemAndRewritesTheBackup) {
  const BuildCase cases[] = {
      {"hyphen, apostrophe, quotes", {}, U"Öl-Fass geht's \"(3)\" Hund. Hund", 0, 0,
       {U"ÖlFass", U"gehts", U"(3)", U"Hund"}},
      {"line break joins words", {}, U"Hund bellt.\r\nDie Katze", 0, 0, {U"Hund", U"belltDie", U"Katze"}},
      {"line break after a space", {}, U"bellt. \r\nDie a\tb", 0, 0, {U"bellt", U"Die", U"ab"}},
      {"lone hyphen", {}, U"Hund - Katze - Maus", 0, 0, {U"Hund", U"", U"Katze", U"Maus"}},
      {"empty entry already there", {U""}, U"a - b", 0, 0, {U"", U"a", U"b"}},
      {"only spaces", {}, U"    ", 0, 0, {U""}},
      {"trailing spaces", {}, U"Hund   ", 0, 0, {U"Hund"}},
      {"known words skipped", {U"Maus", U"Hund"}, U"Hund Katze Maus Igel", 0, 0,
       {U"Maus", U"Hund", U"Katze", U"Igel"}},
      {"nothing new", {U"Hund", U"Katze"}, U"Hund", 0, 0, {U"Hund", U"Katze"}},
      {"marked part", {}, U"Der Hund bellt laut.", 4, 10, {U"Hund", U"bellt"}},
      {"marked spaces", {}, U"Der   Hund", 3, 3, {U""}},
      {"every removed character", {}, U"a:b.c!d?e,f;g´h`i'j-k\"l \ta\x01" U"b\x1f „Hallo“ Łódź–Ω a\x7F\u00A0b",
       0, 0, {U"abcdefghijkl", U"ab", U"„Hallo“", U"Łódź–Ω", U"a\x7F\u00A0b"}},
  };
  for (const BuildCase& c : cases) {
    SCOPED_TRACE(c.name);
    Worksheet ws;
    ws.Liste2 = MakeList(c.before);
    ws.Liste4 = {U"veraltet"};
    ws.Text1.text = c.text;
    ws.Text1.selStart = c.selStart;
    ws.Text1.selLength = c.selLength;
    const auto boxes = Build(ws);
    EXPECT_EQ(ws.Liste2.Texts(), c.after);
    EXPECT_EQ(ws.Liste4, c.after);
    ASSERT_EQ(boxes.size(), 1u);
    const std::string count = std::to_string(c.after.size() - c.before.size());
    ExpectBox(boxes[0], U" " + Text(count.begin(), count.end()) + U" neue Wörter gefunden!", U"Wörterliste", 0);
    // The marked passage stays in the text; only the marking ends, the caret behind it.
    EXPECT_EQ(ws.Text1.text, c.text);
    EXPECT_EQ(ws.Text1.selLength, 0u);
    EXPECT_EQ(ws.Text1.selStart, c.selStart + c.selLength);
  }
}

TEST(BuildWordList, FullListStopsAppendingAndNamesTheFirstWordLeftOut) {
  Texts texts;  // w0, w1, ...
  for (std::size_t i = 0; i + 2 < WordList::kMaxEntries; ++i) {
    const std::string n = std::to_string(i);
    texts.push_back(U"w" + Text(n.begin(), n.end()));
  }
  Worksheet ws;
  ws.Liste2.Assign(texts);
  ws.Text1.Set(U"a w5 b c d");
  auto boxes = Build(ws, 2);
  ASSERT_EQ(ws.Liste2.Count(), WordList::kMaxEntries);
  EXPECT_TRUE(std::equal(texts.begin(), texts.end(), ws.Liste2.Texts().begin())) << "no entry is lost";
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 2), U"a");
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 1), U"b");
  EXPECT_EQ(ws.Liste4, ws.Liste2.Texts());
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, U" 2 neue Wörter gefunden!");
  ExpectBox(boxes[1], U"Die Wörterliste ist voll (32767 Wörter).\r\nDas erste nicht aufgenommene Wort ist «c».",
            U"Wörterliste", 48);
  // Only known words: no second message.
  ws.Text1.Set(U"w1 w2. b!");
  boxes = Build(ws, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 0 neue Wörter gefunden!");
}

// Order of first occurrence and exact equality, against a plain search.
TEST(AppendNewWords, MatchesAPlainSearchOverARandomText) {
  const Texts pieces = {U"Hund", U"hund", U"Hund.", U"-", U"Käse", U"Kase", U"ß", U"a'b", U"ab",
                        U"\r\nZeile", U"Zeile", U"(1)", U"1", U"„x“", U"x"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  Text text;
  for (int i = 0; i < 400; ++i) text.append(pieces[pick(random)]).append(i % 3 ? U" " : U"  ");

  Texts expected = {U"x"};  // already in the list
  WordScanner scanner(text);
  for (Text word; scanner.Next(word);) {
    if (std::find(expected.begin(), expected.end(), word) == expected.end()) expected.push_back(word);
  }
  WordList list = MakeList({U"x"});
  const AppendNewWordsResult result = AppendNewWords(list, text);
  EXPECT_EQ(list.Texts(), expected);
  EXPECT_EQ(result.appended, expected.size() - 1);
  EXPECT_FALSE(result.firstLeftOut.has_value());
}

TEST(AppendSelectedWords, AppendsTheSelectedWordsBetweenLineBreaks) {
  const struct {
    const char* name;
    Texts entries;
    std::set<std::size_t> selected;
    Text before;
    int mode;
    Text after;
  } rows[] = {
      {"two of three", {U"Hund", U"Maus", U"Katze"}, {0, 2}, U"Aufgabe", kModeReplace, U"Aufgabe\r\nHund Katze \r\n"},
      {"none selected", {U"Hund"}, {}, U"Aufgabe", kModeReplace, U"Aufgabe\r\n\r\n"},
      {"empty list in extend mode", {}, {}, U"", kModeExtend, U"\r\n\r\n"},
      {"empty entry selected", {U"", U"a"}, {0, 1}, U"", kModeReplace, U"\r\n a \r\n"},
  };
  for (const auto& [name, entries, selected, before, mode, after] : rows) {
    SCOPED_TRACE(name);
    Worksheet ws;
    ws.Liste2 = MakeList(entries, selected);
    ws.Text2 = before;
    ws.Liste3 = mode;
    ScriptedUi ui;
    AppendSelectedWords(ws, ui);
    EXPECT_EQ(ws.Text2, after);
    EXPECT_EQ(SelectedIndices(ws.Liste2), Indices(selected.begin(), selected.end()));
  }
}

TEST(WordListEditing, DeleteRemovesTheSelectedEntriesAndResetBringsBackTheSavedList) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a"}, {0});
  ScriptedUi ui;
  RestoreWordListCopy(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty()) << "an empty backup empties the list";
  ws.Liste2 = MakeList({U"a", U"b", U"c", U"d"}, {1, 3});
  SaveWordListCopy(ws, ui);
  ui.AnswerMessage(kAnswerYes).AnswerMessage(kAnswerYes);
  DeleteSelectedWords(ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"a", U"c"}));
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
  SelectAllWords(ws, ui);
  EXPECT_EQ(SelectedIndices(ws.Liste2), (Indices{0, 1}));
  DeleteSelectedWords(ws, ui);
  EXPECT_TRUE(ws.Liste2.Empty());
  for (int reset = 0; reset < 2; ++reset) {
    RestoreWordListCopy(ws, ui);
    EXPECT_EQ(ws.Liste2.Texts(), (Texts{U"a", U"b", U"c", U"d"}));
    EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
    ws.Liste2.SetSelected(0, true);
    ws.Liste2.SetEntryText(1, U"B");
  }
  SelectNoWords(ws, ui);
  EXPECT_TRUE(SelectedIndices(ws.Liste2).empty());
}

// ScriptedUi fails the test on any box that is not answered.
TEST(AskingCommands, AskOnlyWithASelectionAndNoChangesNothing) {
  const std::tuple<const char*, void (*)(Worksheet&, UiServices&), Text, Text> rows[] = {
      {"delete", DeleteSelectedWords, U"Markierte Wörter aus der Liste löschen?\n\r", U"Liste löschen"},
      {"copy", CopySelectedWords, U"Markierte Wörter in Ablage kopieren?\n\r", U"Wörterliste"},
  };
  for (const auto& [name, command, prompt, title] : rows) {
    SCOPED_TRACE(name);
    for (const std::set<std::size_t>& selected : {std::set<std::size_t>{}, std::set<std::size_t>{0, 2}}) {
      SCOPED_TRACE(selected.empty() ? "nothing selected" : "two selected");
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
      ExpectBox(ui.Shown()[0], prompt, title, 292);
    }
    Worksheet empty;
    ScriptedUi ui;
    command(empty, ui);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

}  // namespace
}  // namespace tesmoran
