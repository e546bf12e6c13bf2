// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise frame around every exercise: what it takes, what it delivers
// and what one press reports back to its caller.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "text/CaseMap.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;
using Kind = ShownBox::Kind;

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
  }
}

}  // namespace
}  // namespace tesmoran
