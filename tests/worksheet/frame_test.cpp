// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways the original text becomes a solution text: the exercise frame
// around every exercise, and search and replace.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <random>
#include <tuple>

#include "ScriptedUi.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseFrame.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;
using Kind = ShownBox::Kind;

Exercise Upper(ListPath path = ListPath::kTransformEntries) {
  const auto upper = [](const Text& t, const Answer&) { return ToUpper(t); };
  return Exercise{"Befehl1", U"Großletter", path, U"Für Einzelwörter unsinnig.", Question{}, upper, upper};
}

Worksheet Sheet(Text original, Text solution = Text(), int mode = kModeReplace, std::vector<Text> entries = {}) {
  Worksheet ws;
  ws.Text1.Set(std::move(original));
  ws.Text2 = std::move(solution);
  ws.Liste3 = mode;
  ws.Liste2.Assign(entries);
  return ws;
}

TEST(RunExercise, WorksOnTheMarkedPartOrElseTheWholeText) {
  ScriptedUi ui;
  Worksheet marked = Sheet(U"Der Hund bellt.", U"alt");
  marked.Text1.selStart = 4;
  marked.Text1.selLength = 4;
  RunExercise(Upper(), marked, ui);
  EXPECT_EQ(marked.Text2, U"HUND");
  EXPECT_EQ(marked.Text1.text, U"Der Hund bellt.");
  EXPECT_EQ(marked.Text1.selLength, 4u);
  Worksheet whole = Sheet(U"Der Hund\r\nbellt.");
  ASSERT_TRUE(TakeWorkText(whole, ui));
  EXPECT_EQ(whole.WorkText, U"Der Hund\r\nbellt.");
}

TEST(StripControlChars, DropsCodesBelow32AndKeepsEverythingElse) {
  const Text in = Text(U"a\tb\r\nc") + Char(0) + Char(31) + U"ä ß € \x7F\x80 Ayşe 😀";
  EXPECT_EQ(StripControlChars(in), U"abcä ß € \x7F\x80 Ayşe 😀");
}

TEST(DeliverWorkText, WritesTheSolutionTextByMode) {
  const struct {
    const char* name;
    int mode;
    Text before, work, after;
  } rows[] = {
      {"replace", kModeReplace, U"alt", U"ABC", U"ABC"},
      {"replace with line break and tab", kModeReplace, U"", U"A\r\nB\tC", U"ABC"},
      {"extend an empty solution", kModeExtend, U"", U"ABC", U"\r\nABC"},
      {"extend with a line feed", kModeExtend, U"alt", U"A\nB", U"alt\r\nAB"},
      {"extend by nothing", kModeExtend, U"alt", U"", U"alt\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Worksheet ws = Sheet(U"x", row.before, row.mode);
    ws.WorkText = row.work;
    DeliverWorkText(ws);
    EXPECT_EQ(ws.Text2, row.after);
  }
}

TEST(DeliverWorkText, KeepsTheStrippedWorkText) {
  Worksheet ws = Sheet(U"x", U"alt", kModeExtend);
  ws.WorkText = U"A\r\nB\tC";
  DeliverWorkText(ws);
  EXPECT_EQ(ws.WorkText, U"ABC");
}

TEST(RunExercise, EmptyOriginalTextShowsOneMessageAndChangesNothing) {
  for (int mode : {kModeReplace, kModeExtend}) {
    SCOPED_TRACE(mode == kModeReplace ? "replace mode" : "extend mode");
    ScriptedUi ui;
    ui.AnswerMessage();
    Worksheet ws = Sheet(U"", U"Lösung", mode, {U"Hund"});
    ws.WorkText = U"vorher";
    RunExercise(Upper(), ws, ui);
    EXPECT_EQ(ws.Text2, U"Lösung");
    EXPECT_EQ(ws.WorkText, U"vorher");
    EXPECT_EQ(ws.Liste2.EntryText(0), U"Hund");
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, U"Kein Originaltext vorhanden.\r");
  }
}

TEST(RunExercise, TakesTheWordListPathOnlyWithASelectedEntry) {
  const struct {
    const char* name;
    ListPath path;
    bool selected;
    Text solution, entry;  // the solution text and the first entry afterwards
    bool message;          // the exercise's list message comes
  } cases[] = {
      {"entries transformed", ListPath::kTransformEntries, true, U"Lösung", U"KATZE", false},
      {"nothing selected", ListPath::kTransformEntries, false, U"HUND", U"katze", false},
      {"list refused", ListPath::kMessage, true, U"Lösung", U"katze", true},
      {"text only", ListPath::kTextOnly, true, U"HUND", U"katze", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    if (c.message) ui.AnswerMessage();
    Worksheet ws = Sheet(U"hund", U"Lösung", kModeReplace, {U"katze", U"ä", U"maus"});
    ws.Liste2.SetSelected(1, c.selected);
    RunExercise(Upper(c.path), ws, ui);
    EXPECT_EQ(ws.Text2, c.solution);
    EXPECT_EQ(ws.Liste2.EntryText(0), c.entry);
    EXPECT_EQ(ws.Liste2.IsSelected(1), c.selected);
    EXPECT_FALSE(ws.Liste2.IsSelected(0) || ws.Liste2.IsSelected(2));
    ASSERT_EQ(ui.Shown().size(), c.message ? 1u : 0u);
    if (!c.message) continue;
    EXPECT_EQ(ui.Shown()[0].prompt, U"Für Einzelwörter unsinnig.");
    EXPECT_EQ(ui.Shown()[0].title, U"Großletter");
  }
}

TEST(RunExercise, AnEmptyInputAnswerStopsWithoutDelivering) {
  Exercise e = Upper(ListPath::kTextOnly);
  e.question = {Question::Kind::kInput, U"Zu ersetztende Buchstaben:", 0, U"Buchstabenlücken", false};
  e.onText = [](const Text&, const Answer& a) { return a.letters; };
  ScriptedUi ui;
  ui.AnswerInput(U"").AnswerInput(U"nd");
  Worksheet ws = Sheet(U"Hund", U"Lösung");
  RunExercise(e, ws, ui);
  EXPECT_EQ(ws.Text2, U"Lösung");
  RunExercise(e, ws, ui);
  EXPECT_EQ(ws.Text2, U"nd");
}

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
