// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise frame around every exercise: what it takes, what it delivers,
// what one press reports back to its caller, and the command line's way
// through it, which moves the texts instead of copying them.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "exercises/Random.h"
#include "platform/FixedAnswerUi.h"
#include "text/CaseMap.h"
#include "worksheet/ExerciseCatalogue.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

Exercise Upper(ListPath path = ListPath::kTransformEntries) {
  const auto upper = [](const Text& t, const Answer&) { return ToUpper(t); };
  return Exercise{"Befehl1", U"Großletter",    path, U"Für Einzelwörter unsinnig.", Question{}, upper, upper,
                  {},        CutRule::kNowhere};
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
  // The command line's way, which moves the texts instead of copying them.
  Worksheet consumed = Sheet(U"Der Hund bellt.");
  consumed.Text1.selStart = 4;
  consumed.Text1.selLength = 4;
  ASSERT_TRUE(TakeWorkText(consumed, ui, TextUse::kConsume));
  EXPECT_EQ(consumed.WorkText, U"Hund");
  EXPECT_EQ(consumed.Text1.text, U"Der Hund bellt.");
}

// The command line's way through every exercise gets the same solution text.
TEST(RunExercise, ConsumingTheTextsGivesEveryExerciseTheSameSolution) {
  const Text original = U"Der Hund bellt.\r\nDie Katze schläft im Garten! Äpfel, Öl und Straße.\r\n";
  for (const Exercise& exercise : ExerciseCatalogue()) {
    SCOPED_TRACE(exercise.button);
    Worksheet kept = Sheet(original), consumed = Sheet(original);
    FixedAnswerUi ui(true, U"e");
    ResetRandomForTesting();  // the same shuffles on both ways
    const ExerciseOutcome keptOutcome = RunExercise(exercise, kept, ui).outcome;
    ResetRandomForTesting();
    EXPECT_EQ(RunExercise(exercise, consumed, ui, TextUse::kConsume).outcome, keptOutcome);
    EXPECT_EQ(consumed.Text2, kept.Text2);
    if (keptOutcome != ExerciseOutcome::kDelivered) continue;
    EXPECT_EQ(kept.Text1.text, original);
    EXPECT_FALSE(kept.Text2.empty());
    EXPECT_TRUE(consumed.Text1.text.empty() && consumed.WorkText.empty());
  }
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
    EXPECT_EQ(ws.WorkText, StripControlChars(row.work));  // kept, stripped
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

Text Shout(const Text& text, const Answer&) { return text + U"!"; }

struct OutcomeCase {
  const char* name;
  ListPath path;
  Question::Kind question;
  Text original;
  bool entrySelected;
  ExerciseOutcome expected;
  bool onWordList;  // the run is reported as one on the word list
  Text solution;    // the solution text afterwards, from «alt»
};

TEST(RunExercise, ReportsWhatItDidAndWhetherOnTheWordList) {
  const OutcomeCase cases[] = {
      {"text delivered", ListPath::kTransformEntries, Question::Kind::kNone, U"Hund", false,
       ExerciseOutcome::kDelivered, false, U"Hund!"},
      {"list rewritten", ListPath::kTransformEntries, Question::Kind::kNone, U"Hund", true, ExerciseOutcome::kDelivered,
       true, U"alt"},
      {"text only, entry selected", ListPath::kTextOnly, Question::Kind::kNone, U"Hund", true,
       ExerciseOutcome::kDelivered, false, U"Hund!"},
      {"no original text", ListPath::kTransformEntries, Question::Kind::kNone, U"", false,
       ExerciseOutcome::kMessageShown, false, U"alt"},
      {"list refused", ListPath::kMessage, Question::Kind::kNone, U"Hund", true, ExerciseOutcome::kMessageShown, true,
       U"alt"},
      {"empty letters", ListPath::kTextOnly, Question::Kind::kInput, U"Hund", false, ExerciseOutcome::kNothingToDo,
       false, U"alt"},
      {"empty letters on the list", ListPath::kTransformEntries, Question::Kind::kInput, U"Hund", true,
       ExerciseOutcome::kNothingToDo, true, U"alt"},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    if (c.expected == ExerciseOutcome::kMessageShown) ui.AnswerMessage();
    if (c.question == Question::Kind::kInput) ui.AnswerInput(U"");
    const Question question{c.question, U"?", 0, U"", false};
    const Exercise exercise{"Befehl1", U"Probe", c.path,     U"Nicht für die Liste.", question,
                            Shout,     Shout,    GridCell{}, CutRule::kNowhere};
    Worksheet ws;
    ws.Text1.Set(c.original);
    ws.Text2 = U"alt";
    ws.Liste2.Assign({U"Maus"});
    ws.Liste2.SetSelected(0, c.entrySelected);
    const ExerciseResult result = RunExercise(exercise, ws, ui);
    EXPECT_EQ(result.outcome, c.expected);
    EXPECT_EQ(result.onWordList, c.onWordList);
    EXPECT_EQ(ws.Text2, c.solution);
    EXPECT_EQ(ws.Liste2.EntryText(0), c.name == std::string("list rewritten") ? U"Maus!" : U"Maus");
  }
}

}  // namespace
}  // namespace tesmoran
