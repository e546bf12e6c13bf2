#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "text/CaseMap.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;

const Text kNoText = U"Kein Originaltext vorhanden.\r";

Exercise Upper(ListPath path = ListPath::kTransformEntries) {
  Exercise e;
  e.button = "Befehl1";
  e.caption = U"Großletter";
  e.listPath = path;
  e.listMessage = U"Für Einzelwörter unsinnig.";
  e.onText = [](const Text& t, const Answer&) { return ToUpper(t); };
  e.onEntry = e.onText;
  return e;
}

Worksheet Sheet(Text original, Text solution = Text(), int mode = kModeReplace) {
  Worksheet ws;
  ws.Text1.Set(std::move(original));
  ws.Text2 = std::move(solution);
  ws.Liste3 = mode;
  return ws;
}

TEST(TakeWorkText, UsesTheMarkedPartWhenThereIsOne) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Der Hund bellt.");
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  ASSERT_TRUE(TakeWorkText(ws, ui));
  EXPECT_EQ(ws.WorkText, U"Hund");
  EXPECT_EQ(ws.Text1.text, U"Der Hund bellt.");
  EXPECT_EQ(ws.Text1.selLength, 4u);
}

TEST(TakeWorkText, UsesTheWholeTextWhenNothingIsMarked) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Der Hund\r\nbellt.");
  ASSERT_TRUE(TakeWorkText(ws, ui));
  EXPECT_EQ(ws.WorkText, U"Der Hund\r\nbellt.");
}

TEST(TakeWorkText, EmptyOriginalTextShowsTheMessageAndKeepsWorkText) {
  ScriptedUi ui;
  ui.AnswerMessage();
  Worksheet ws = Sheet(U"");
  ws.WorkText = U"alt";
  EXPECT_FALSE(TakeWorkText(ws, ui));
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, kNoText);
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
  EXPECT_EQ(ui.Shown()[0].title, U"Textfehler");
  EXPECT_EQ(ws.WorkText, U"alt");
}

TEST(StripControlChars, DropsCodesBelow32AndKeepsEverythingElse) {
  const Text in = Text(U"a\tb\r\nc") + Char(0) + Char(31) + U"ä ß € \x7F\x80 Ayşe 😀";
  EXPECT_EQ(StripControlChars(in), U"abcä ß € \x7F\x80 Ayşe 😀");
}

struct DeliverCase {
  const char* name;
  int mode;
  Text before;
  Text work;
  Text after;
};

class DeliverWorkTextTest : public ::testing::TestWithParam<DeliverCase> {};

TEST_P(DeliverWorkTextTest, WritesTheSolutionTextByMode) {
  const DeliverCase& c = GetParam();
  Worksheet ws = Sheet(U"x", c.before, c.mode);
  ws.WorkText = c.work;
  DeliverWorkText(ws);
  EXPECT_EQ(ws.Text2, c.after);
  EXPECT_EQ(ws.WorkText, StripControlChars(c.work));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DeliverWorkTextTest,
    ::testing::Values(DeliverCase{"ReplaceDropsOldText", kModeReplace, U"alt", U"ABC", U"ABC"},
                      DeliverCase{"ReplaceStripsControls", kModeReplace, U"", U"A\r\nB\tC", U"ABC"},
                      DeliverCase{"ExtendOnEmptyStartsWithLineBreak", kModeExtend, U"", U"ABC", U"\r\nABC"},
                      DeliverCase{"ExtendAppendsAfterLineBreak", kModeExtend, U"alt", U"A\nB", U"alt\r\nAB"},
                      DeliverCase{"ExtendWithEmptyResult", kModeExtend, U"alt", U"", U"alt\r\n"}),
    [](const ::testing::TestParamInfo<DeliverCase>& info) { return std::string(info.param.name); });

TEST(RunExercise, TextPathTransformsTheMarkedPartOnly) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Der Hund bellt.", U"alt");
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  RunExercise(Upper(), ws, ui);
  EXPECT_EQ(ws.Text2, U"HUND");
  EXPECT_EQ(ws.Text1.text, U"Der Hund bellt.");
}

TEST(RunExercise, LinesOfTheWorkTextAreJoined) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Der Hund.\r\nDie Katze.");
  RunExercise(Upper(), ws, ui);
  EXPECT_EQ(ws.Text2, U"DER HUND.DIE KATZE.");
}

TEST(RunExercise, KeepsCharactersOutsideTheCodePage) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Ayşe und Łukasz 😀 zahlen 5 €", U"", kModeExtend);
  RunExercise(Upper(), ws, ui);
  EXPECT_EQ(ws.Text2, U"\r\nAYŞE UND ŁUKASZ 😀 ZAHLEN 5 €");
}

TEST(RunExercise, EmptyOriginalTextShowsOneMessageAndChangesNothing) {
  for (int mode : {kModeReplace, kModeExtend}) {
    ScriptedUi ui;
    ui.AnswerMessage();
    Worksheet ws = Sheet(U"", U"Lösung", mode);
    ws.Liste2.Append(U"Hund");
    RunExercise(Upper(), ws, ui);
    EXPECT_EQ(ws.Text2, U"Lösung") << "mode " << mode;
    EXPECT_EQ(ws.Liste2.EntryText(0), U"Hund");
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, kNoText);
  }
}

TEST(RunExercise, SelectedEntryTransformsEveryEntryAndKeepsFlags) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"", U"Lösung");  // no original text: the list path needs none
  for (const char32_t* w : {U"der", U"Hund", U"bellt", U"laut", U"ä"}) ws.Liste2.Append(w);
  ws.Liste2.SetSelected(3, true);
  RunExercise(Upper(), ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"DER", U"HUND", U"BELLT", U"LAUT", U"Ä"}));
  for (std::size_t i = 0; i < ws.Liste2.Count(); ++i) EXPECT_EQ(ws.Liste2.IsSelected(i), i == 3);
  EXPECT_EQ(ws.Text2, U"Lösung");
  EXPECT_EQ(ws.ListTarget, 1);
  EXPECT_TRUE(ui.Shown().empty());
}

TEST(RunExercise, EntriesWithoutSelectionLeaveTheListAlone) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"hund");
  ws.Liste2.Append(U"katze");
  RunExercise(Upper(), ws, ui);
  EXPECT_EQ(ws.ListTarget, 0);
  EXPECT_EQ(ws.Text2, U"HUND");
  EXPECT_EQ(ws.Liste2.EntryText(0), U"katze");
}

TEST(RunExercise, MessagePathShowsTheMessageTitledWithTheCaption) {
  ScriptedUi ui;
  ui.AnswerMessage();
  Worksheet ws = Sheet(U"hund", U"Lösung");
  ws.Liste2.Append(U"katze");
  ws.Liste2.SetSelected(0, true);
  RunExercise(Upper(ListPath::kMessage), ws, ui);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Für Einzelwörter unsinnig.");
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
  EXPECT_EQ(ui.Shown()[0].title, U"Großletter");
  EXPECT_EQ(ws.Text2, U"Lösung");
  EXPECT_EQ(ws.Liste2.EntryText(0), U"katze");
}

TEST(RunExercise, TextOnlyExerciseIgnoresTheSelection) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"hund");
  ws.Liste2.Append(U"katze");
  ws.Liste2.SetSelected(0, true);
  RunExercise(Upper(ListPath::kTextOnly), ws, ui);
  EXPECT_EQ(ws.Text2, U"HUND");
  EXPECT_EQ(ws.Liste2.EntryText(0), U"katze");
}

Exercise AskingExercise(bool beforeTake) {
  Exercise e = Upper();
  e.question = {Question::Kind::kYesNo, U"Frage?", style::kYesNo, U"Titel", beforeTake};
  e.onText = [](const Text& t, const Answer& a) { return a.yes ? ToUpper(t) : ToLower(t); };
  e.onEntry = e.onText;
  return e;
}

TEST(RunExercise, QuestionBeforeTakeComesBeforeTheEmptyTextMessage) {
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  Worksheet ws = Sheet(U"");
  RunExercise(AskingExercise(true), ws, ui);
  ASSERT_EQ(ui.Shown().size(), 2u);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Frage?");
  EXPECT_EQ(ui.Shown()[1].prompt, kNoText);
}

TEST(RunExercise, QuestionAfterTakeIsNotAskedWithoutText) {
  ScriptedUi ui;
  ui.AnswerMessage();
  Worksheet ws = Sheet(U"");
  RunExercise(AskingExercise(false), ws, ui);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, kNoText);
}

TEST(RunExercise, AnswerReachesTextAndListTransformation) {
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerNo);
  Worksheet ws = Sheet(U"Hund");
  RunExercise(AskingExercise(false), ws, ui);
  EXPECT_EQ(ws.Text2, U"hund");

  ui.AnswerMessage(kAnswerYes);
  ws.Liste2.Append(U"Katze");
  ws.Liste2.Append(U"Maus");
  ws.Liste2.SetSelected(0, true);
  RunExercise(AskingExercise(false), ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"KATZE", U"MAUS"}));
  EXPECT_EQ(ui.Shown().size(), 2u);  // asked once for the whole list
}

TEST(RunExercise, EmptyInputAnswerStopsWithoutDelivering) {
  Exercise e = Upper(ListPath::kTextOnly);
  e.question = {Question::Kind::kInput, U"Zu ersetztende Buchstaben:", 0, U"Buchstabenlücken", false};
  e.onText = [](const Text&, const Answer& a) { return a.letters; };
  ScriptedUi ui;
  ui.AnswerInput(U"");
  Worksheet ws = Sheet(U"Hund", U"Lösung");
  RunExercise(e, ws, ui);
  EXPECT_EQ(ws.Text2, U"Lösung");
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].kind, ShownBox::Kind::kInput);
  EXPECT_EQ(ui.Shown()[0].defaultAnswer, U"");

  ui.AnswerInput(U"nd");
  RunExercise(e, ws, ui);
  EXPECT_EQ(ws.Text2, U"nd");
}

}  // namespace
}  // namespace tesmoran
