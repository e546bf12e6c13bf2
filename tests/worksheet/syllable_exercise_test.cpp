// SPDX-License-Identifier: GPL-3.0-or-later
// "Silben trennen" through the exercise frame, on the German patterns.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "worksheet/SyllableExercise.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

const SyllabifierLoad& Engine() {
  static const SyllabifierLoad load = LoadSyllabifier();
  return load;
}

struct TextCase {
  const char* name;
  Text original;
  std::size_t selStart, selLength;
  int mode;
  Text solutionBefore;
  Text solutionAfter;
};

TEST(SyllableExercise, WritesTheMarkedPartOrWholeTextInTheWorkingMode) {
  ASSERT_TRUE(Engine().syllabifier) << "pattern file missing";
  const TextCase cases[] = {
      {"whole text, replace", U"Oma liest am Abend.", 0, 0, kModeReplace, U"alt", U"O-ma liest am A-bend."},
      {"marked part, replace", U"Oma liest am Abend.", 13, 5, kModeReplace, U"alt", U"A-bend"},
      {"whole text, extend", U"Oma liest.", 0, 0, kModeExtend, U"alt", U"alt\r\nO-ma liest."},
      {"control characters dropped", U"Oma\r\nAbend\t!", 0, 0, kModeReplace, U"", U"O-maA-bend!"},
      {"hyphen already there stays", U"Oma-Abend", 0, 0, kModeReplace, U"", U"O-ma-A-bend"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    Worksheet ws;
    ws.Text1.Set(c.original);
    ws.Text1.selStart = c.selStart;
    ws.Text1.selLength = c.selLength;
    ws.Liste3 = c.mode;
    ws.Text2 = c.solutionBefore;
    EXPECT_EQ(RunSyllableExercise(Engine(), ws, ui), ExerciseOutcome::kDelivered);
    EXPECT_EQ(ws.Text2, c.solutionAfter);
    EXPECT_EQ(ws.Text1.text, c.original);
    EXPECT_TRUE(ui.Shown().empty());
  }
}

TEST(SyllableExercise, HyphenatesEveryWordListEntryOnceOneIsSelected) {
  ASSERT_TRUE(Engine().syllabifier) << "pattern file missing";
  ScriptedUi ui;
  Worksheet ws;
  ws.Text1.Set(U"Hund");
  ws.Text2 = U"alt";
  ws.Liste2.Assign({U"Abend", U"Oma", U"Igel"});
  ws.Liste2.SetSelected(1, true);
  EXPECT_EQ(RunSyllableExercise(Engine(), ws, ui), ExerciseOutcome::kDelivered);
  ASSERT_EQ(ws.Liste2.Count(), 3u);
  EXPECT_EQ(ws.Liste2.Entries()[0].text, U"A-bend");
  EXPECT_EQ(ws.Liste2.Entries()[1].text, U"O-ma");
  EXPECT_EQ(ws.Liste2.Entries()[2].text, U"I-gel");
  EXPECT_EQ(ws.Text2, U"alt");
}

TEST(SyllableExercise, MissingPatternsShowTheMessageNamingThePackageAndChangeNothing) {
  const SyllabifierLoad missing = LoadSyllabifier("/nonexistent/hyph_de_DE.dic");
  ASSERT_FALSE(missing.syllabifier);
  ScriptedUi ui;
  ui.AnswerMessage();
  Worksheet ws;
  ws.Text1.Set(U"Oma liest.");
  ws.Text2 = U"alt";
  ws.Liste2.Assign({U"Abend"});
  ws.Liste2.SetSelected(0, true);
  EXPECT_EQ(RunSyllableExercise(missing, ws, ui), ExerciseOutcome::kMessageShown);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_NE(ui.Shown()[0].prompt.find(U"Paket tesmoran"), Text::npos);
  EXPECT_EQ(ui.Shown()[0].title, U"Silben trennen");
  EXPECT_EQ(ws.Text2, U"alt");
  EXPECT_EQ(ws.Liste2.Entries()[0].text, U"Abend");
}

TEST(SyllableExercise, EmptyOriginalTextGivesTheFramesMessage) {
  ASSERT_TRUE(Engine().syllabifier) << "pattern file missing";
  ScriptedUi ui;
  ui.AnswerMessage();
  Worksheet ws;
  ws.Text2 = U"alt";
  EXPECT_EQ(RunSyllableExercise(Engine(), ws, ui), ExerciseOutcome::kMessageShown);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Kein Originaltext vorhanden.\r");
  EXPECT_EQ(ws.Text2, U"alt");
}

}  // namespace
}  // namespace tesmoran
