#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "ScriptedUi.h"
#include "text/Utf8.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;
using Kind = ShownBox::Kind;

struct ReplaceCase {
  Text text, search, replacement, expected;
};

TEST(ReplaceEverywhere, ReplacesUntilNoneIsLeftOrGivesTheOnceThroughResultOfAnEndlessChain) {
  const ReplaceCase cases[] = {
      {U"abbb", U"ab", U"a", U"a"}, {U"aaa", U"aa", U"b", U"ba"}, {U"aaaa", U"aa", U"a", U"a"},
      {U"aabb", U"ab", U"ba", U"bbaa"}, {U"aaab", U"ab", U"bba", U"bbbbbbbbaaa"}, {U"Hund", U"", U"x", U"Hund"},
      {U"Hund\r\nKatze", U"\r\nK", U" k", U"Hund katze"},
      {U"xax", U"a", U"aa", U"xaax"},  // endless: the replacement brings the search text back
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceEverywhere(c.text, c.search, c.replacement), c.expected) << EncodeUtf8(c.text);
  }
  Text longText;
  for (int i = 0; i < 20000; ++i) longText += U"aabb ";
  EXPECT_EQ(ReplaceEverywhere(longText, U"ab", U"bbaa"), ReplaceOnceThrough(longText, U"ab", U"bbaa"));
}

TEST(ReplaceOnceThrough, SearchesOnBehindEachReplacement) {
  const ReplaceCase cases[] = {
      {U"Hund Hund", U"Hund", U"Hunde", U"Hunde Hunde"}, {U"aab", U"ab", U"b", U"ab"},
      {U"aaaaa", U"aa", U"b", U"bba"},                   {U"aabaab", U"aab", U"x", U"xx"},
      {U"abababx", U"abab", U"-", U"-abx"},              {U"Hund", U"", U"x", U"Hund"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceOnceThrough(c.text, c.search, c.replacement), c.expected) << EncodeUtf8(c.text);
  }
}

TEST(ReplaceUntilNoneLeft, GivesUpBeyondTheWorkLimit) {
  // «aab» reads its three characters and one replacement «b» twice: five.
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aab", U"ab", U"b", 5), std::optional<Text>(U"b"));
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aab", U"ab", U"b", 4), std::nullopt);
  EXPECT_EQ(ReplaceUntilNoneLeft(U"aabb", U"ab", U"bbaa", 100000), std::nullopt);
  EXPECT_EQ(ReplaceUntilNoneLeft(U"Hund", U"Hund", U"Hunde", 100000), std::nullopt);
  const std::size_t max = std::numeric_limits<std::size_t>::max();
  EXPECT_EQ(RescanWorkLimit(max / 2, max / 2), max);
}

// The rule itself, replaced occurrence by occurrence from the start of the
// text; nullopt when it has not ended after maxSteps replacements.
std::optional<Text> FromTheStart(Text text, const Text& search, const Text& replacement, int maxSteps) {
  for (int step = 0; step <= maxSteps; ++step) {
    const std::size_t p = text.find(search);
    if (p == Text::npos) return text;
    text.replace(p, search.size(), replacement);
  }
  return std::nullopt;
}

TEST(ReplaceUntilNoneLeft, AgreesWithReplacingFromTheStartEachTime) {
  std::mt19937 random(20240611);
  const auto randomText = [&random](std::size_t minLength, std::size_t maxLength) {
    Text text(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random), U'a');
    for (Char& c : text) c = static_cast<Char>(U'a' + std::uniform_int_distribution<int>(0, 2)(random));
    return text;
  };
  int compared = 0;
  for (int round = 0; round < 1500; ++round) {
    const Text text = randomText(0, 14), search = randomText(1, 3), replacement = randomText(0, 4);
    const std::optional<Text> expected = FromTheStart(text, search, replacement, 60);
    if (!expected) continue;  // endless or too long for the reference
    ++compared;
    EXPECT_EQ(ReplaceUntilNoneLeft(text, search, replacement, 1'000'000), expected) << "round " << round;
  }
  EXPECT_GT(compared, 1000);
}

Worksheet Marked(Text original, std::size_t start, std::size_t length, int mode = kModeReplace) {
  Worksheet ws;
  ws.Text1.text = std::move(original);
  ws.Text1.selStart = start;
  ws.Text1.selLength = length;
  ws.Liste3 = mode;
  ws.Text2 = U"ABC";
  ws.WorkText = U"vorher";
  return ws;
}

TEST(SearchAndReplace, DeliversTheReplacedOriginalTextAndLeavesTheOriginalAlone) {
  const struct {
    Worksheet ws;
    Text answer, expected;
  } cases[] = {
      {Marked(U"Der Hund und der Hund", 4, 4), U"Kater", U"Der Kater und der Kater"},
      {Marked(U"Der hund und der Hund", 17, 4), U"Kater", U"Der hund und der Kater"},
      {Marked(U"aab", 1, 2), U"b", U"b"},
      {Marked(U"Der Hund.\r\nDie Katze.", 4, 4), U"Kater", U"Der Kater.Die Katze."},
      {Marked(U"Der Hund", 4, 4, kModeExtend), U"Kater", U"ABC\r\nDer Kater"},
      // Endless chains end with the once-through result.
      {Marked(U"Der Hund und der Hund", 4, 4), U"Hunde", U"Der Hunde und der Hunde"},
      {Marked(U"aabb", 1, 2), U"bbaa", U"abbaab"},
      {Marked(U"a\r\nb\r\nc", 1, 5), U"-", U"a-c"},
  };
  for (const auto& c : cases) {
    Worksheet ws = c.ws;
    ScriptedUi ui;
    ui.AnswerInput(c.answer);
    SearchAndReplace(ws, ui);
    EXPECT_EQ(ws.Text2, c.expected);
    EXPECT_EQ(std::tie(ws.Text1.text, ws.Text1.selStart, ws.Text1.selLength),
              std::tie(c.ws.Text1.text, c.ws.Text1.selStart, c.ws.Text1.selLength));
  }
}

// Without a marked text, or with an empty answer: one box, nothing changed.
TEST(SearchAndReplace, ShowsOneBoxAndChangesNothingWithoutAnAnswer) {
  const ShownBox ask{Kind::kInput, U"[Hund] wird ersetzt durch:", 0, U"Suchen&Ersetzen:Hund", U""};
  const ShownBox mark{Kind::kMessage, U"Den zu suchenden Text erst markieren!", style::kOk, U"Textaustausch", U""};
  const struct {
    Worksheet ws;
    ShownBox box;
  } cases[] = {
      {Marked(U"Der Hund bellt", 4, 4), ask}, {Marked(U"Der Hund", 4, 4, kModeExtend), ask},
      {Marked(U"Der Hund", 0, 0), mark},       {Marked(U"", 0, 0), mark},
  };
  for (const auto& c : cases) {
    Worksheet ws = c.ws;
    ScriptedUi ui;
    c.box.kind == Kind::kInput ? ui.AnswerInput(U"") : ui.AnswerMessage(kAnswerOk);
    SearchAndReplace(ws, ui);
    ASSERT_EQ(ui.Shown().size(), 1u);
    const ShownBox& box = ui.Shown()[0];
    EXPECT_EQ(box.kind, c.box.kind);
    EXPECT_EQ(box.prompt, c.box.prompt);
    EXPECT_EQ(box.style, c.box.style);
    EXPECT_EQ(box.title, c.box.title);
    EXPECT_EQ(box.defaultAnswer, U"");
    EXPECT_EQ(ws.Text2, U"ABC");
    EXPECT_EQ(ws.WorkText, U"vorher");
  }
}

}  // namespace
}  // namespace tesmoran
