// SPDX-License-Identifier: GPL-3.0-or-later
// What one press of an exercise button reports back to its caller.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

Text Shout(const Text& text, const Answer&) { return text + U"!"; }

struct OutcomeCase {
  const char* name;
  ListPath path;
  Question::Kind question;
  Text original;
  bool entrySelected;
  ExerciseOutcome expected;
  Text solution;  // the solution text afterwards, from «alt»
};

TEST(RunExercise, ReportsWhetherItDeliveredShowedAMessageOrHadNothingToDo) {
  const OutcomeCase cases[] = {
      {"text delivered", ListPath::kTransformEntries, Question::Kind::kNone, U"Hund", false,
       ExerciseOutcome::kDelivered, U"Hund!"},
      {"list rewritten", ListPath::kTransformEntries, Question::Kind::kNone, U"Hund", true,
       ExerciseOutcome::kDelivered, U"alt"},
      {"no original text", ListPath::kTransformEntries, Question::Kind::kNone, U"", false,
       ExerciseOutcome::kMessageShown, U"alt"},
      {"list refused", ListPath::kMessage, Question::Kind::kNone, U"Hund", true, ExerciseOutcome::kMessageShown,
       U"alt"},
      {"empty letters", ListPath::kTextOnly, Question::Kind::kInput, U"Hund", false, ExerciseOutcome::kNothingToDo,
       U"alt"},
      {"empty letters on the list", ListPath::kTransformEntries, Question::Kind::kInput, U"Hund", true,
       ExerciseOutcome::kNothingToDo, U"alt"},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    if (c.expected == ExerciseOutcome::kMessageShown) ui.AnswerMessage();
    if (c.question == Question::Kind::kInput) ui.AnswerInput(U"");
    const Question question{c.question, U"?", 0, U"", false};
    const Exercise exercise{"Befehl1", U"Probe", c.path, U"Nicht für die Liste.", question, Shout, Shout};
    Worksheet ws;
    ws.Text1.Set(c.original);
    ws.Text2 = U"alt";
    ws.Liste2.Assign({U"Maus"});
    ws.Liste2.SetSelected(0, c.entrySelected);
    EXPECT_EQ(RunExercise(exercise, ws, ui), c.expected);
    EXPECT_EQ(ws.Text2, c.solution);
  }
}

}  // namespace
}  // namespace tesmoran
