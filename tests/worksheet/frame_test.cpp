#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "text/CaseMap.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

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
    int mode;
    Text before, work, after;
  } cases[] = {
      {kModeReplace, U"alt", U"ABC", U"ABC"},        {kModeReplace, U"", U"A\r\nB\tC", U"ABC"},
      {kModeExtend, U"", U"ABC", U"\r\nABC"},        {kModeExtend, U"alt", U"A\nB", U"alt\r\nAB"},
      {kModeExtend, U"alt", U"", U"alt\r\n"},
  };
  for (const auto& c : cases) {
    Worksheet ws = Sheet(U"x", c.before, c.mode);
    ws.WorkText = c.work;
    DeliverWorkText(ws);
    EXPECT_EQ(ws.Text2, c.after) << c.mode;
    EXPECT_EQ(ws.WorkText, StripControlChars(c.work)) << c.mode;
  }
}

TEST(RunExercise, EmptyOriginalTextShowsOneMessageAndChangesNothing) {
  for (int mode : {kModeReplace, kModeExtend}) {
    ScriptedUi ui;
    ui.AnswerMessage();
    Worksheet ws = Sheet(U"", U"Lösung", mode, {U"Hund"});
    ws.WorkText = U"vorher";
    RunExercise(Upper(), ws, ui);
    EXPECT_EQ(ws.Text2, U"Lösung") << mode;
    EXPECT_EQ(ws.WorkText, U"vorher") << mode;
    EXPECT_EQ(ws.Liste2.EntryText(0), U"Hund");
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, U"Kein Originaltext vorhanden.\r");
  }
}

TEST(RunExercise, TakesTheWordListPathOnlyWithASelectedEntry) {
  const struct {
    ListPath path;
    bool selected;
    Text solution, entry;  // the solution text and the first entry afterwards
    bool message;          // the exercise's list message comes
  } cases[] = {
      {ListPath::kTransformEntries, true, U"Lösung", U"KATZE", false},
      {ListPath::kTransformEntries, false, U"HUND", U"katze", false},
      {ListPath::kMessage, true, U"Lösung", U"katze", true}, {ListPath::kTextOnly, true, U"HUND", U"katze", false},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    if (c.message) ui.AnswerMessage();
    Worksheet ws = Sheet(U"hund", U"Lösung", kModeReplace, {U"katze", U"ä", U"maus"});
    ws.Liste2.SetSelected(1, c.selected);
    RunExercise(Upper(c.path), ws, ui);
    SCOPED_TRACE(static_cast<int>(c.path));
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

}  // namespace
}  // namespace tesmoran
