#include <gtest/gtest.h>

#include <random>

#include "ScriptedUi.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;

struct ReplaceCase {
  const char* name;
  Text text;
  Text search;
  Text replacement;
  Text expected;
};

TEST(ReplaceEverywhere, ReplacesUntilNoOccurrenceIsLeft) {
  const ReplaceCase cases[] = {
      {"every occurrence", U"Der Hund und der Hund", U"Hund", U"Kater", U"Der Kater und der Kater"},
      {"comparison is exact", U"Der hund und der Hund", U"Hund", U"Kater", U"Der hund und der Kater"},
      {"umlauts differ", U"Bär Bar", U"a", U"ä", U"Bär Bär"},
      {"no occurrence", U"Der Hund", U"Katze", U"Maus", U"Der Hund"},
      {"occurrence formed with the left neighbour", U"aab", U"ab", U"b", U"b"},
      {"occurrence formed with the right neighbour", U"abbb", U"ab", U"a", U"a"},
      {"overlapping occurrences, first one wins", U"aaa", U"aa", U"b", U"ba"},
      {"shrinking chain", U"aaaa", U"aa", U"a", U"a"},
      {"length-preserving chain ends sorted", U"aabb", U"ab", U"ba", U"bbaa"},
      {"growing chain that ends", U"aaab", U"ab", U"bba", U"bbbbbbbbaaa"},
      {"search over a line break", U"Hund\r\nKatze", U"\r\nK", U" k", U"Hund katze"},
      {"whole text", U"Hund", U"Hund", U"Katze", U"Katze"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceEverywhere(c.text, c.search, c.replacement), c.expected) << c.name;
  }
}

TEST(ReplaceEverywhere, EndlessChainsGetTheOnceThroughResult) {
  const ReplaceCase cases[] = {
      // Every replacement brings the search text back.
      {"replacement contains the search text", U"Der Hund und der Hund", U"Hund", U"Hunde",
       U"Der Hunde und der Hunde"},
      {"replacement is the search text twice", U"xax", U"a", U"aa", U"xaax"},
      // From the start: aabb -> abbaab -> bbaabaab -> bbabbaaaab -> ...; the
      // text b^2k aab a^2k b comes back as b^2k+2 aab a^2k+2 b for ever.
      {"chain that forms new occurrences for ever", U"aabb", U"ab", U"bbaa", U"abbaab"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceEverywhere(c.text, c.search, c.replacement), c.expected) << c.name;
  }
}

TEST(ReplaceEverywhere, LongEndlessChainEndsWithTheOnceThroughResult) {
  Text text;
  for (int i = 0; i < 20000; ++i) text += U"aabb ";
  EXPECT_EQ(ReplaceEverywhere(text, U"ab", U"bbaa"), ReplaceOnceThrough(text, U"ab", U"bbaa"));
}

TEST(ReplaceEverywhere, EmptySearchTextChangesNothing) {
  EXPECT_EQ(ReplaceEverywhere(U"Hund", U"", U"x"), U"Hund");
  EXPECT_EQ(ReplaceOnceThrough(U"Hund", U"", U"x"), U"Hund");
  EXPECT_EQ(ReplaceUntilNoneLeft(U"Hund", U"", U"x", 0), std::optional<Text>(U"Hund"));
}

TEST(ReplaceOnceThrough, SearchesOnBehindEachReplacement) {
  const ReplaceCase cases[] = {
      {"replacement not searched again", U"Hund Hund", U"Hund", U"Hunde", U"Hunde Hunde"},
      {"new occurrence with a neighbour stays", U"aab", U"ab", U"b", U"ab"},
      {"overlaps taken from the left", U"aaaaa", U"aa", U"b", U"bba"},
      {"prefix that almost matches", U"aabaab", U"aab", U"x", U"xx"},
      {"period of the search text", U"abababx", U"abab", U"-", U"-abx"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceOnceThrough(c.text, c.search, c.replacement), c.expected) << c.name;
  }
}

TEST(ReplaceUntilNoneLeft, GivesUpBeyondTheWorkLimit) {
  // «aab» reads its three characters and one replacement «b» twice: five.
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aab", U"ab", U"b", 5), std::optional<Text>(U"b"));
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aab", U"ab", U"b", 4), std::nullopt);
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aabb", U"ab", U"bbaa", 100000), std::nullopt);
  EXPECT_EQ(ReplaceUntilNoneLeft(U"Hund", U"Hund", U"Hunde", 100000), std::nullopt);
}

TEST(RescanWorkLimit, GrowsWithTextAndReplacementAndSaturates) {
  EXPECT_EQ(RescanWorkLimit(0, 0), kRescanWorkReserve);
  EXPECT_EQ(RescanWorkLimit(10, 2), 12 * kRescanWorkFactor + kRescanWorkReserve);
  const std::size_t huge = std::numeric_limits<std::size_t>::max() / 2;
  EXPECT_EQ(RescanWorkLimit(huge, huge), std::numeric_limits<std::size_t>::max());
  EXPECT_EQ(RescanWorkLimit(huge, 0), std::numeric_limits<std::size_t>::max());
}

// The rule itself, replaced occurrence by occurrence from the start of the
// text; nullopt when it has not ended after maxSteps replacements.
std::optional<Text> FromTheStart(Text text, const Text& search, const Text& replacement,
                                 int maxSteps) {
  for (int step = 0; step <= maxSteps; ++step) {
    const std::size_t p = text.find(search);
    if (p == Text::npos) return text;
    text.replace(p, search.size(), replacement);
  }
  return std::nullopt;
}

Text RandomText(std::mt19937& random, std::size_t maxLength, std::size_t minLength = 0) {
  std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
  std::uniform_int_distribution<int> letter(0, 2);
  Text text(length(random), U'a');
  for (Char& c : text) c = static_cast<Char>(U'a' + letter(random));
  return text;
}

TEST(ReplaceUntilNoneLeft, AgreesWithReplacingFromTheStartEachTime) {
  std::mt19937 random(20240611);
  int compared = 0;
  for (int round = 0; round < 6000; ++round) {
    const Text text = RandomText(random, 14);
    const Text search = RandomText(random, 3, 1);
    const Text replacement = RandomText(random, 4);
    const std::optional<Text> expected = FromTheStart(text, search, replacement, 200);
    if (!expected) continue;  // endless or too long for the reference
    ++compared;
    const std::optional<Text> got = ReplaceUntilNoneLeft(text, search, replacement, 1'000'000);
    ASSERT_TRUE(got.has_value()) << "text " << round;
    EXPECT_EQ(*got, *expected) << "round " << round;
  }
  EXPECT_GT(compared, 4500) << compared;
}

struct CommandCase {
  const char* name;
  Text original;
  std::size_t selStart;
  std::size_t selLength;
  int mode;
  Text solutionBefore;
  Text answer;
  Text expectedSolution;
};

TEST(SearchAndReplace, DeliversTheReplacedOriginalText) {
  const CommandCase cases[] = {
      {"every occurrence", U"Der Hund und der Hund", 4, 4, kModeReplace, U"alt", U"Kater",
       U"Der Kater und der Kater"},
      {"second, case-exact occurrence marked", U"Der hund und der Hund", 17, 4, kModeReplace, U"",
       U"Kater", U"Der hund und der Kater"},
      {"new occurrence formed by a replacement", U"aab", 1, 2, kModeReplace, U"", U"b", U"b"},
      {"two lines joined", U"Der Hund.\r\nDie Katze.", 4, 4, kModeReplace, U"", U"Kater",
       U"Der Kater.Die Katze."},
      {"extend mode", U"Der Hund", 4, 4, kModeExtend, U"ABC", U"Kater", U"ABC\r\nDer Kater"},
      {"replacement containing the search text", U"Der Hund und der Hund", 4, 4, kModeReplace,
       U"", U"Hunde", U"Der Hunde und der Hunde"},
      {"several lines marked", U"a\r\nb\r\nc", 1, 5, kModeReplace, U"", U"-", U"a-c"},
  };
  for (const CommandCase& c : cases) {
    Worksheet ws;
    ws.Text1.text = c.original;
    ws.Text1.selStart = c.selStart;
    ws.Text1.selLength = c.selLength;
    ws.Liste3 = c.mode;
    ws.Text2 = c.solutionBefore;
    ScriptedUi ui;
    ui.AnswerInput(c.answer);

    SearchAndReplace(ws, ui);

    EXPECT_EQ(ws.Text2, c.expectedSolution) << c.name;
    EXPECT_EQ(ws.Text1.text, c.original) << c.name;
    EXPECT_EQ(ws.Text1.selStart, c.selStart) << c.name;
    EXPECT_EQ(ws.Text1.selLength, c.selLength) << c.name;
  }
}

TEST(SearchAndReplace, AsksForTheReplacementOfTheMarkedText) {
  Worksheet ws;
  ws.Text1.text = U"Der Hund bellt";
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  ScriptedUi ui;
  ui.AnswerInput(U"Kater");

  SearchAndReplace(ws, ui);

  ASSERT_EQ(ui.Shown().size(), 1u);
  const ShownBox& box = ui.Shown()[0];
  EXPECT_EQ(box.kind, ShownBox::Kind::kInput);
  EXPECT_EQ(box.prompt, U"[Hund] wird ersetzt durch:");
  EXPECT_EQ(box.title, U"Suchen&Ersetzen:Hund");
  EXPECT_EQ(box.defaultAnswer, U"");
}

TEST(SearchAndReplace, NothingMarkedShowsTheMessageAndChangesNothing) {
  for (const Text& original : {Text(U"Der Hund"), Text()}) {
    Worksheet ws;
    ws.Text1.text = original;
    ws.Text2 = U"ABC";
    ws.WorkText = U"vorher";
    ScriptedUi ui;
    ui.AnswerMessage(kAnswerOk);

    SearchAndReplace(ws, ui);

    ASSERT_EQ(ui.Shown().size(), 1u);
    const ShownBox& box = ui.Shown()[0];
    EXPECT_EQ(box.kind, ShownBox::Kind::kMessage);
    EXPECT_EQ(box.prompt, U"Den zu suchenden Text erst markieren!");
    EXPECT_EQ(box.style, style::kOk);
    EXPECT_EQ(box.title, U"Textaustausch");
    EXPECT_EQ(ws.Text2, U"ABC");
    EXPECT_EQ(ws.WorkText, U"vorher");
  }
}

TEST(SearchAndReplace, EmptyAnswerChangesNothing) {
  for (int mode : {kModeReplace, kModeExtend}) {
    Worksheet ws;
    ws.Text1.text = U"Der Hund";
    ws.Text1.selStart = 4;
    ws.Text1.selLength = 4;
    ws.Liste3 = mode;
    ws.Text2 = U"ABC";
    ws.WorkText = U"vorher";
    ScriptedUi ui;
    ui.AnswerInput(U"");

    SearchAndReplace(ws, ui);

    EXPECT_EQ(ws.Text2, U"ABC");
    EXPECT_EQ(ws.WorkText, U"vorher");
    EXPECT_EQ(ui.Shown().size(), 1u);
  }
}

}  // namespace
}  // namespace tesmoran
