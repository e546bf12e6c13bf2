// SPDX-License-Identifier: GPL-3.0-or-later
// Search and replace: every occurrence replaced until none is left, or the
// once-through result of an endless chain, delivered like an exercise.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <random>
#include <tuple>

#include "ScriptedUi.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;
using Kind = ShownBox::Kind;

struct ReplaceCase {
  const char* name;
  Text text, search, replacement, expected;
};

Text Repeated(TextView piece, std::size_t times) {
  Text out;
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(ReplaceEverywhere, ReplacesUntilNoneIsLeftOrGivesTheOnceThroughResultOfAnEndlessChain) {
  const Text longReplacement = U"b" + Text(298, U'x') + U"a";
  const ReplaceCase cases[] = {
      {"replacement makes a new match", U"abbb", U"ab", U"a", U"a"},
      {"overlapping matches", U"aaa", U"aa", U"b", U"ba"},
      {"shrinking run", U"aaaa", U"aa", U"a", U"a"},
      {"matches move to the front", U"aabb", U"ab", U"ba", U"bbaa"},
      {"growing replacement that ends", U"aaab", U"ab", U"bba", U"bbbbbbbbaaa"},
      {"empty search text", U"Hund", U"", U"x", U"Hund"},
      {"line break in the search text", U"Hund\r\nKatze", U"\r\nK", U" k", U"Hund katze"},
      {"endless chain", U"xax", U"a", U"aa", U"xaax"},  // the replacement brings the search text back
      // «a»x31 «ab»: every pass moves the «b» one place to the front and
      // leaves 298 «x» and an «a» behind it; 9569 characters after 32 passes.
      {"long growing chain", Text(32, U'a') + U"b", U"ab", longReplacement,
       U"b" + Repeated(Text(298, U'x') + U"a", 32)},
      {"long shrinking chain", Text(1000, U'a') + Text(50, U'b'), U"a" + Text(50, U'b'), Text(50, U'b'),
       Text(50, U'b')},
      {"chain that never ends", U"aabb", U"ab", U"bbaa", U"abbaab"},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplaceEverywhere(c.text, c.search, c.replacement), c.expected);
  }
}

TEST(ReplaceEverywhere, EndlessChainOnALongTextGivesTheOnceThroughResult) {
  Text longText;
  Text onceThrough;
  for (int i = 0; i < 20000; ++i) longText += U"aabb ", onceThrough += U"abbaab ";
  EXPECT_EQ(ReplaceEverywhere(longText, U"ab", U"bbaa"), onceThrough);
}

TEST(ReplaceOnceThrough, SearchesOnBehindEachReplacement) {
  const ReplaceCase cases[] = {
      {"replacement holds the search text", U"Hund Hund", U"Hund", U"Hunde", U"Hunde Hunde"},
      {"new match before the end", U"aab", U"ab", U"b", U"ab"},
      {"overlapping matches", U"aaaaa", U"aa", U"b", U"bba"},
      {"adjacent matches", U"aabaab", U"aab", U"x", U"xx"},
      {"overlap behind a match", U"abababx", U"abab", U"-", U"-abx"},
      {"empty search text", U"Hund", U"", U"x", U"Hund"},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplaceOnceThrough(c.text, c.search, c.replacement), c.expected);
  }
}

TEST(ReplaceUntilNoneLeft, GivesUpBeyondItsBudget) {
  const struct {
    const char* name;
    Text text, search, replacement;
    RescanBudget budget;
    std::optional<Text> expected;
  } cases[] = {
      // «aab» reads its three characters and the replacement «b» twice.
      {"reads just enough", U"aab", U"ab", U"b", {5, 100}, U"b"},
      {"one read short", U"aab", U"ab", U"b", {4, 100}, std::nullopt},
      // «aab» -> «abbb» -> «bbbbb»: the working text grows to five.
      {"length just enough", U"aab", U"ab", U"bbb", {100, 5}, U"bbbbb"},
      {"length one short", U"aab", U"ab", U"bbb", {100, 4}, std::nullopt},
      {"text longer than the length", U"xyz", U"ab", U"b", {100, 2}, std::nullopt},
      {"endless growth", U"aabb", U"ab", U"bbaa", {100000, 100000}, std::nullopt},
      {"replacement holds the search text", U"Hund", U"Hund", U"Hunde", {100000, 100000}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplaceUntilNoneLeft(c.text, c.search, c.replacement, c.budget), c.expected);
  }
}

TEST(RescanBudgetFor, Takes64TimesTheInputForReadsAndTwiceForLengthButAtLeast64Mi) {
  constexpr std::size_t mi = std::size_t{1} << 20;
  constexpr std::size_t max = std::numeric_limits<std::size_t>::max();
  const struct {
    const char* name;
    std::size_t text, replacement, reads, length;
  } cases[] = {
      {"small input", 33, 300, 64 * mi, 64 * mi},
      {"reads above the minimum", 1 * mi, 1 * mi, 128 * mi, 64 * mi},
      {"both above the minimum", 40 * mi, 8 * mi, 3072 * mi, 96 * mi},
      {"too long to count", max / 2, max / 2, max, max},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RescanBudget budget = RescanBudgetFor(c.text, c.replacement);
    EXPECT_EQ(budget.reads, c.reads);
    EXPECT_EQ(budget.length, c.length);
  }
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

TEST(ReplaceEverywhere, AgreesWithReplacingFromTheStartWhereThatEnds) {
  std::mt19937 random(20240611);
  const auto randomText = [&random](std::size_t minLength, std::size_t maxLength) {
    Text text(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random), U'a');
    for (Char& c : text) c = static_cast<Char>(U'a' + std::uniform_int_distribution<int>(0, 2)(random));
    return text;
  };
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    const Text text = randomText(0, 16), search = randomText(1, 3), replacement = randomText(1, 6);
    const std::optional<Text> expected = FromTheStart(text, search, replacement, 200);
    if (!expected) continue;  // endless, or too long for the reference
    ++compared;
    EXPECT_EQ(ReplaceEverywhere(text, search, replacement), *expected) << "round " << round;
  }
  EXPECT_GT(compared, 2000);
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
    const char* name;
    Worksheet ws;
    Text answer, expected;
  } cases[] = {
      {"every occurrence", Marked(U"Der Hund und der Hund", 4, 4), U"Kater", U"Der Kater und der Kater"},
      {"exact case", Marked(U"Der hund und der Hund", 17, 4), U"Kater", U"Der hund und der Kater"},
      {"until none is left", Marked(U"aab", 1, 2), U"b", U"b"},
      {"line break dropped", Marked(U"Der Hund.\r\nDie Katze.", 4, 4), U"Kater", U"Der Kater.Die Katze."},
      {"extend mode", Marked(U"Der Hund", 4, 4, kModeExtend), U"Kater", U"ABC\r\nDer Kater"},
      // Endless chains end with the once-through result.
      {"endless chain of words", Marked(U"Der Hund und der Hund", 4, 4), U"Hunde", U"Der Hunde und der Hunde"},
      {"endless chain of letters", Marked(U"aabb", 1, 2), U"bbaa", U"abbaab"},
      {"marked line breaks", Marked(U"a\r\nb\r\nc", 1, 5), U"-", U"a-c"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
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
    const char* name;
    Worksheet ws;
    ShownBox box;
  } cases[] = {
      {"empty answer", Marked(U"Der Hund bellt", 4, 4), ask},
      {"empty answer in extend mode", Marked(U"Der Hund", 4, 4, kModeExtend), ask},
      {"nothing marked", Marked(U"Der Hund", 0, 0), mark},
      {"no original text", Marked(U"", 0, 0), mark},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
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
