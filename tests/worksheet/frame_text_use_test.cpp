// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's way through the exercise frame: it moves the texts
// instead of copying them, and must get the same solution text.
#include <gtest/gtest.h>

#include "exercises/Random.h"
#include "worksheet/ExerciseCatalogue.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

// Says yes to every question and types «e» into every input box.
class AnsweringUi : public UiServices {
 public:
  int MessageBox(const Text&, int, const Text&) override { return kAnswerYes; }
  Text InputBox(const Text&, const Text&, const Text&) override { return U"e"; }
  Text ClipboardText() override { return Text(); }
  void SetClipboardText(const Text&) override {}
};

TEST(RunExercise, ConsumingTheTextsGivesEveryExerciseTheSameSolution) {
  const Text original = U"Der Hund bellt.\r\nDie Katze schläft im Garten! Äpfel, Öl und Straße.\r\n";
  for (const Exercise& exercise : ExerciseCatalogue()) {
    SCOPED_TRACE(exercise.button);
    Worksheet kept;
    Worksheet consumed;
    for (Worksheet* ws : {&kept, &consumed}) {
      ws->Text1.Set(original);
      ws->Liste3 = kModeReplace;
    }
    AnsweringUi ui;
    ResetRandomForTesting();  // the same shuffles on both ways
    const ExerciseOutcome keptOutcome = RunExercise(exercise, kept, ui).outcome;
    ResetRandomForTesting();
    const ExerciseOutcome consumedOutcome = RunExercise(exercise, consumed, ui, TextUse::kConsume).outcome;
    EXPECT_EQ(consumedOutcome, keptOutcome);
    EXPECT_EQ(consumed.Text2, kept.Text2);
    if (keptOutcome != ExerciseOutcome::kDelivered) continue;
    EXPECT_EQ(kept.Text1.text, original);
    EXPECT_FALSE(kept.Text2.empty());
    EXPECT_TRUE(consumed.Text1.text.empty());
    EXPECT_TRUE(consumed.WorkText.empty());
  }
}

TEST(RunExercise, ConsumingTheTextsStillWorksOnlyOnTheMarkedPart) {
  Worksheet ws;
  ws.Text1.Set(U"Der Hund bellt.");
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  ws.Liste3 = kModeReplace;
  AnsweringUi ui;
  ASSERT_TRUE(TakeWorkText(ws, ui, TextUse::kConsume));
  EXPECT_EQ(ws.WorkText, U"Hund");
  EXPECT_EQ(ws.Text1.text, U"Der Hund bellt.");
}

}  // namespace
}  // namespace tesmoran
