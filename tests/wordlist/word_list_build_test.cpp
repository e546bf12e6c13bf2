#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptedUi.h"
#include "WordListFixtures.h"
#include "app/cli/CliCommands.h"
#include "text/Utf8.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordScan.h"

namespace tesmoran {
namespace {

using testing::MakeList;
using testing::ScriptedUi;

// Runs one build with `boxes` message boxes answered; returns the boxes shown.
std::vector<testing::ShownBox> Build(Worksheet& ws, int boxes = 1) {
  ScriptedUi ui;
  for (int i = 0; i < boxes; ++i) ui.AnswerMessage(kAnswerOk);
  BuildWordList(ws, ui);
  return ui.Shown();
}

TEST(BuildWordList, WorkedExampleAddsFiveWordsThenNone) {
  Worksheet ws;
  ws.Text1.Set(U"Der Hund bellt. Der hund, der Hund!");
  auto boxes = Build(ws);
  const std::vector<Text> expected = {U"Der", U"Hund", U"bellt", U"hund", U"der"};
  EXPECT_EQ(ws.Liste2.Texts(), expected);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 5 neue Wörter gefunden!");
  EXPECT_EQ(boxes[0].title, U"Wörterliste");
  EXPECT_EQ(boxes[0].style, 0);
  boxes = Build(ws);
  EXPECT_EQ(ws.Liste2.Texts(), expected);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 0 neue Wörter gefunden!");
}

struct BuildCase {
  std::vector<Text> before;  // entries already in the list
  Text text;
  std::size_t selStart, selLength;
  std::vector<Text> after;
};

TEST(BuildWordList, AppendsNewCleanedWordsCountsThemAndRewritesTheBackup) {
  const BuildCase cases[] = {
      {{}, U"Öl-Fass geht's \"(3)\" Hund. Hund", 0, 0, {U"ÖlFass", U"gehts", U"(3)", U"Hund"}},
      {{}, U"Hund bellt.\r\nDie Katze", 0, 0, {U"Hund", U"belltDie", U"Katze"}},
      {{}, U"bellt. \r\nDie a\tb", 0, 0, {U"bellt", U"Die", U"ab"}},
      {{}, U"Hund - Katze - Maus", 0, 0, {U"Hund", U"", U"Katze", U"Maus"}},
      {{U""}, U"a - b", 0, 0, {U"", U"a", U"b"}},
      {{}, U"    ", 0, 0, {U""}},
      {{}, U"Hund   ", 0, 0, {U"Hund"}},
      {{U"Maus", U"Hund"}, U"Hund Katze Maus Igel", 0, 0, {U"Maus", U"Hund", U"Katze", U"Igel"}},
      {{U"Hund", U"Katze"}, U"Hund", 0, 0, {U"Hund", U"Katze"}},
      {{}, U"Der Hund bellt laut.", 4, 10, {U"Hund", U"bellt"}},
      {{}, U"Der   Hund", 3, 3, {U""}},
      {{}, U"a:b.c!d?e,f;g´h`i'j-k\"l \ta\x01" U"b\x1f „Hallo“ Łódź–Ω a\x7F\u00A0b",
       0, 0, {U"abcdefghijkl", U"ab", U"„Hallo“", U"Łódź–Ω", U"a\x7F\u00A0b"}},
  };
  for (const BuildCase& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.text));
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
    EXPECT_EQ(boxes[0].prompt, U" " + Text(count.begin(), count.end()) + U" neue Wörter gefunden!");
    // The marked passage stays in the text; only the marking ends, the caret behind it.
    EXPECT_EQ(ws.Text1.text, c.text);
    EXPECT_EQ(ws.Text1.selLength, 0u);
    EXPECT_EQ(ws.Text1.selStart, c.selStart + c.selLength);
  }
}

TEST(BuildWordList, EmptyTextShowsMessageAndChangesNothing) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"alt"}, {0});
  ws.Liste4 = {U"gesichert"};
  const auto boxes = Build(ws);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U"Es ist keine Text vorhanden!");
  EXPECT_EQ(boxes[0].title, U"Liste erstellen");
  EXPECT_TRUE(ws.Liste2.IsSelected(0));
  EXPECT_EQ(ws.Liste4, std::vector<Text>{U"gesichert"});
}

TEST(BuildWordList, FullListStopsAppendingAndNamesTheFirstWordLeftOut) {
  std::vector<Text> texts;  // w0, w1, ...
  for (std::size_t i = 0; i + 2 < WordList::kMaxEntries; ++i) {
    const std::string n = std::to_string(i);
    texts.push_back(U"w" + Text(n.begin(), n.end()));
  }
  Worksheet ws;
  ws.Liste2.Assign(texts);
  ws.Text1.Set(U"a w5 b c d");
  auto boxes = Build(ws, 2);
  ASSERT_EQ(ws.Liste2.Count(), WordList::kMaxEntries);
  EXPECT_EQ(ws.Liste2.EntryText(0), U"w0");
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 2), U"a");
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 1), U"b");
  EXPECT_EQ(ws.Liste4, ws.Liste2.Texts());
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, U" 2 neue Wörter gefunden!");
  EXPECT_EQ(boxes[1].prompt,
            U"Die Wörterliste ist voll (32767 Wörter).\r\nDas erste nicht aufgenommene Wort ist «c».");
  EXPECT_EQ(boxes[1].title, U"Wörterliste");
  EXPECT_EQ(boxes[1].style, 48);
  // Only known words: no second message.
  ws.Text1.Set(U"w1 w2. b!");
  boxes = Build(ws, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 0 neue Wörter gefunden!");
}

// Order of first occurrence and exact equality, against a plain search.
TEST(AppendNewWords, MatchesAPlainSearchOverARandomText) {
  const std::vector<Text> pieces = {U"Hund", U"hund", U"Hund.", U"-", U"Käse", U"Kase", U"ß", U"a'b",
                                    U"ab", U"\r\nZeile", U"Zeile", U"(1)", U"1", U"„x“", U"x"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  Text text;
  for (int i = 0; i < 400; ++i) text.append(pieces[pick(random)]).append(i % 3 ? U" " : U"  ");

  std::vector<Text> expected = {U"x"};  // already in the list
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

struct CliCase {
  std::vector<std::string> args;
  std::string input, out, err;  // err: its expected start
  int exitCode;
};

TEST(WordListCommand, PrintsTheNewWordsAndTheirCount) {
  const CliCase cases[] = {
      {{"--text", "Der Hund bellt. Der hund, der Hund!"}, "", "Der\nHund\nbellt\nhund\nder\n", "5\n", 0},
      {{}, "Hund bellt.\r\nDie - Katze", "Hund\nbelltDie\n\nKatze\n", "4\n", 0},
      {{"--encoding", "cp1252", "--text", "\xC4pfel \xC4pfel."}, "", "\xC4pfel\n", "1\n", 0},
      {{"--text", ""}, "", "", "Es ist keine Text vorhanden!\n", 1},
      {{"--text", "\xC4pfel"}, "", "", "tesmoran-cli: the input is not valid UTF-8", 1},
      {{"--words"}, "", "", "tesmoran-cli wortliste: unknown option '--words'", 2},
  };
  for (const CliCase& c : cases) {
    SCOPED_TRACE(c.err);
    std::istringstream in(c.input);
    std::ostringstream out, err;
    EXPECT_EQ(RunWordListCommand(c.args, in, out, err), c.exitCode);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str().substr(0, c.err.size()), c.err);
  }
}

}  // namespace
}  // namespace tesmoran
