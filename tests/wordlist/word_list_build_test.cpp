#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ScriptedUi.h"
#include "WordListFixtures.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordScan.h"

namespace tesmoran {
namespace {

using testing::MakeList;
using testing::ScriptedUi;
using testing::Show;

// Runs one build with the count message answered; returns the boxes shown.
std::vector<testing::ShownBox> Build(Worksheet& ws, int expectedBoxes = 1) {
  ScriptedUi ui;
  for (int i = 0; i < expectedBoxes; ++i) ui.AnswerMessage(kAnswerOk);
  BuildWordList(ws, ui);
  return ui.Shown();
}

TEST(BuildWordList, WorkedExampleAppendsFiveWordsAndBacksThemUp) {
  Worksheet ws;
  ws.Text1.Set(U"Der Hund bellt. Der hund, der Hund!");
  const auto boxes = Build(ws);

  const std::vector<Text> expected = {U"Der", U"Hund", U"bellt", U"hund", U"der"};
  EXPECT_EQ(ws.Liste2.Texts(), expected) << Show(ws.Liste2.Texts());
  EXPECT_EQ(ws.Liste4, expected);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 5 neue Wörter gefunden!");
  EXPECT_EQ(boxes[0].title, U"Wörterliste");
  EXPECT_EQ(boxes[0].style, 0);
}

TEST(BuildWordList, SecondBuildAddsNothingAndStillReports) {
  Worksheet ws;
  ws.Text1.Set(U"Der Hund bellt. Der hund, der Hund!");
  Build(ws);
  const auto boxes = Build(ws);
  EXPECT_EQ(ws.Liste2.Count(), 5u);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 0 neue Wörter gefunden!");
}

struct BuildCase {
  const char* name;
  std::vector<Text> before;  // entries already in the list
  Text text;
  std::size_t selStart;
  std::size_t selLength;
  std::vector<Text> after;
  Text message;
};

class BuildWordListCases : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildWordListCases, AppendsTheNewWordsAndCountsThem) {
  const BuildCase& c = GetParam();
  Worksheet ws;
  ws.Liste2 = MakeList(c.before);
  ws.Text1.text = c.text;
  ws.Text1.selStart = c.selStart;
  ws.Text1.selLength = c.selLength;
  const auto boxes = Build(ws);
  EXPECT_EQ(ws.Liste2.Texts(), c.after) << Show(ws.Liste2.Texts());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, c.message) << Show(boxes[0].prompt);
  EXPECT_EQ(ws.Liste4, c.after) << "the backup equals the list after the build";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BuildWordListCases,
    ::testing::Values(
        BuildCase{"PunctuatedAndPlainWordAreOne", {}, U"Hund. Hund", 0, 0, {U"Hund"}, U" 1 neue Wörter gefunden!"},
        BuildCase{"CaseCounts", {}, U"Der der", 0, 0, {U"Der", U"der"}, U" 2 neue Wörter gefunden!"},
        BuildCase{"HyphenApostropheQuotes", {}, U"Öl-Fass geht's \"(3)\"", 0, 0,
                  {U"ÖlFass", U"gehts", U"(3)"}, U" 3 neue Wörter gefunden!"},
        BuildCase{"LineBreakJoinsWords", {}, U"Hund bellt.\r\nDie Katze", 0, 0,
                  {U"Hund", U"belltDie", U"Katze"}, U" 3 neue Wörter gefunden!"},
        BuildCase{"LoneDashGivesOneEmptyEntry", {}, U"Hund - Katze - Maus", 0, 0,
                  {U"Hund", U"", U"Katze", U"Maus"}, U" 4 neue Wörter gefunden!"},
        BuildCase{"EmptyEntryNotAddedTwice", {U""}, U"a - b", 0, 0, {U"", U"a", U"b"}, U" 2 neue Wörter gefunden!"},
        BuildCase{"SpacesOnlyGiveOneEmptyEntry", {}, U"    ", 0, 0, {U""}, U" 1 neue Wörter gefunden!"},
        BuildCase{"TrailingSpacesGiveNoEntry", {}, U"Hund   ", 0, 0, {U"Hund"}, U" 1 neue Wörter gefunden!"},
        BuildCase{"OldEntriesStayFirst", {U"Maus", U"Hund"}, U"Hund Katze Maus Igel", 0, 0,
                  {U"Maus", U"Hund", U"Katze", U"Igel"}, U" 2 neue Wörter gefunden!"},
        BuildCase{"OnlyTheMarkedPart", {}, U"Der Hund bellt laut.", 4, 10, {U"Hund", U"bellt"},
                  U" 2 neue Wörter gefunden!"},
        BuildCase{"MarkedSpacesGiveEmptyEntry", {}, U"Der   Hund", 3, 3, {U""}, U" 1 neue Wörter gefunden!"},
        BuildCase{"ForeignLettersKept", {}, U"Łódź Ω Łódź", 0, 0, {U"Łódź", U"Ω"}, U" 2 neue Wörter gefunden!"}),
    [](const ::testing::TestParamInfo<BuildCase>& info) { return info.param.name; });

TEST(BuildWordList, EmptyTextShowsMessageAndChangesNothing) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"alt"}, {0});
  ws.Liste4 = {U"gesichert"};
  const auto boxes = Build(ws);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U"Es ist keine Text vorhanden!");
  EXPECT_EQ(boxes[0].title, U"Liste erstellen");
  EXPECT_EQ(boxes[0].style, 0);
  EXPECT_EQ(ws.Liste2.Texts(), std::vector<Text>{U"alt"});
  EXPECT_TRUE(ws.Liste2.IsSelected(0));
  EXPECT_EQ(ws.Liste4, std::vector<Text>{U"gesichert"});
}

TEST(BuildWordList, KeepsTheSelectedFlags) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"a", U"b"}, {1});
  ws.Text1.Set(U"c a d");
  Build(ws);
  EXPECT_EQ(testing::SelectedIndices(ws.Liste2), std::vector<std::size_t>{1});
  EXPECT_EQ(ws.Liste2.Count(), 4u);
}

TEST(BuildWordList, RewritesTheBackupEvenWhenNothingIsNew) {
  Worksheet ws;
  ws.Liste2 = MakeList({U"Hund", U"Katze"});
  ws.Liste4 = {U"veraltet"};
  ws.Text1.Set(U"Hund");
  Build(ws);
  EXPECT_EQ(ws.Liste4, (std::vector<Text>{U"Hund", U"Katze"}));
}

TEST(BuildWordList, KeepsTheMarkedPassageAndEndsOnlyTheMarking) {
  Worksheet ws;
  ws.Text1.text = U"Der Hund bellt laut.";
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 10;
  Build(ws);
  EXPECT_EQ(ws.Text1.text, U"Der Hund bellt laut.");
  EXPECT_EQ(ws.Text1.selLength, 0u);
  EXPECT_EQ(ws.Text1.selStart, 14u) << "the caret stands behind the passage";
}

// A list filled up to `count` entries named w0, w1, ...
WordList NumberedList(std::size_t count) {
  std::vector<Text> texts;
  texts.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string n = "w" + std::to_string(i);
    texts.emplace_back(n.begin(), n.end());
  }
  WordList list;
  list.Assign(texts);
  return list;
}

TEST(BuildWordList, FullListStopsAppendingAndNamesTheFirstWordLeftOut) {
  Worksheet ws;
  ws.Liste2 = NumberedList(WordList::kMaxEntries - 2);
  ws.Text1.Set(U"a w5 b c d");
  const auto boxes = Build(ws, 2);

  ASSERT_EQ(ws.Liste2.Count(), WordList::kMaxEntries);
  EXPECT_EQ(ws.Liste2.EntryText(0), U"w0");
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 2), U"a");
  EXPECT_EQ(ws.Liste2.EntryText(WordList::kMaxEntries - 1), U"b");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, U" 2 neue Wörter gefunden!");
  EXPECT_EQ(boxes[1].prompt,
            U"Die Wörterliste ist voll (32767 Wörter).\r\nDas erste nicht aufgenommene Wort ist «c».");
  EXPECT_EQ(boxes[1].title, U"Wörterliste");
  EXPECT_EQ(boxes[1].style, 48);
  EXPECT_EQ(ws.Liste4.size(), WordList::kMaxEntries) << "the backup is still written";
}

TEST(BuildWordList, FullListWithOnlyKnownWordsSaysNothingMore) {
  Worksheet ws;
  ws.Liste2 = NumberedList(WordList::kMaxEntries);
  ws.Text1.Set(U"w1 w2. w3!");
  const auto boxes = Build(ws, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].prompt, U" 0 neue Wörter gefunden!");
}

// The order of first occurrence and the exact equality rule, checked against
// a plain search through the list over a random text with many repetitions.
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
  EXPECT_EQ(list.Texts(), expected) << Show(list.Texts());
  EXPECT_EQ(result.appended, expected.size() - 1);
  EXPECT_FALSE(result.firstLeftOut.has_value());
}

}  // namespace
}  // namespace tesmoran
