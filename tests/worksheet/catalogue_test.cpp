// SPDX-License-Identifier: GPL-3.0-or-later
// The twenty exercise buttons through the exercise frame: which boxes they
// show, with which texts, when, and what they change.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "exercises/Random.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using Kind = testing::ShownBox::Kind;

const Exercise& Button(const char* name) {
  if (const Exercise* e = FindExerciseByButton(name)) return *e;
  throw std::runtime_error(std::string("no exercise ") + name);
}

Worksheet Sheet(Text original, std::vector<Text> entries = {}, bool selectFirst = false) {
  Worksheet ws;
  ws.Text1.Set(std::move(original));
  ws.Text2 = U"alt";
  ws.Liste2.Assign(entries);
  if (selectFirst && !entries.empty()) ws.Liste2.SetSelected(0, true);
  return ws;
}

struct ButtonCase {
  const char* button;
  Text prompt;  // empty: the button asks nothing
  Kind kind = Kind::kMessage;
  int style = 0;
  Text title;
  bool beforeText = false;  // asked before the original text is looked at
  ButtonCase(const char* b, Text p = {}, Kind k = Kind::kMessage, int s = 0, Text t = {}, bool before = false)
      : button(b), prompt(std::move(p)), kind(k), style(s), title(std::move(t)), beforeText(before) {}
};

void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.button; }

// Rows of a table of buttons are named after their button.
template <typename Case>
std::string ButtonName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.button;
}

class ButtonQuestion : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonQuestion, IsAskedOnceWithItsExactTexts) {
  const ButtonCase& c = GetParam();
  ScriptedUi ui;
  if (!c.prompt.empty() && c.kind == Kind::kMessage) ui.AnswerMessage(kAnswerYes);
  if (c.kind == Kind::kInput) ui.AnswerInput(U"s");
  Worksheet ws = Sheet(U"Oma isst Eis.");
  RunExercise(Button(c.button), ws, ui);
  ASSERT_EQ(ui.Shown().size(), c.prompt.empty() ? 0u : 1u);
  if (c.prompt.empty()) return;
  EXPECT_EQ(ui.Shown()[0].kind, c.kind);
  EXPECT_EQ(ui.Shown()[0].prompt, c.prompt);
  EXPECT_EQ(ui.Shown()[0].style, c.style);
  EXPECT_EQ(ui.Shown()[0].title, c.title);
  EXPECT_EQ(ui.Shown()[0].defaultAnswer, U"");
}

TEST_P(ButtonQuestion, EmptyOriginalTextShowsTheMessageAfterAnEarlyQuestionOnly) {
  const ButtonCase& c = GetParam();
  ScriptedUi ui;
  if (c.beforeText) ui.AnswerMessage(kAnswerNo);
  ui.AnswerMessage();
  Worksheet ws = Sheet(U"", {U"Hund"});
  RunExercise(Button(c.button), ws, ui);
  ASSERT_EQ(ui.Shown().size(), c.beforeText ? 2u : 1u);
  EXPECT_EQ(ui.Shown().back().prompt, U"Kein Originaltext vorhanden.\r");
  EXPECT_EQ(ui.Shown().back().title, U"Textfehler");
  EXPECT_EQ(ui.Shown().back().style, style::kOk);
  EXPECT_EQ(ws.Text2, U"alt");
  EXPECT_EQ(ws.Liste2.EntryText(0), U"Hund");
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, ButtonQuestion,
    ::testing::Values(
        ButtonCase{"Befehl1"}, ButtonCase{"Befehl2"}, ButtonCase{"Befehl3"}, ButtonCase{"Befehl4"}, ButtonCase{"Befehl5"},
        ButtonCase{"Befehl6"}, ButtonCase{"Befehl8"}, ButtonCase{"Befehl9"}, ButtonCase{"Befehl10"}, ButtonCase{"Befehl12"},
        ButtonCase{"Befehl13"}, ButtonCase{"Befehl15"}, ButtonCase{"Befehl16"}, ButtonCase{"Befehl18"},
        ButtonCase{"Befehl19"}, ButtonCase{"Befehl29"},
        ButtonCase{"Befehl7", U"Lückenfolge ab dem zweiten Wort?", Kind::kMessage, 4, U"Lückentext"},
        ButtonCase{"Befehl14", U"Lückenfolge ab dem zweiten Buchstaben?", Kind::kMessage, 4, U"Lückenwort"},
        ButtonCase{"Befehl11", U"Buchstabenauswahl anbieten?\n\r ", Kind::kMessage, 36, U"Ohne Wortanfang", true},
        ButtonCase{"Befehl31", U"Zu ersetztende Buchstaben:", Kind::kInput, 0, U"Buchstabenlücken"}),
    ButtonName<ButtonCase>);

// «Oma isst Eis.» through every button that does not draw at random, with
// Yes to a question and «s» as the letters to blank out.
enum class Asks { kNothing, kYesOrNo, kLetters };

struct ResultCase {
  const char* button;
  Text expected;
  Asks asks = Asks::kNothing;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.button; }

class ButtonResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ButtonResult, ReplacesTheSolutionTextWithItsExercise) {
  const ResultCase& c = GetParam();
  ScriptedUi ui;
  if (c.asks == Asks::kYesOrNo) ui.AnswerMessage(kAnswerYes);
  if (c.asks == Asks::kLetters) ui.AnswerInput(U"s");
  Worksheet ws = Sheet(U"Oma isst Eis.");
  RunExercise(Button(c.button), ws, ui);
  EXPECT_EQ(ws.Text2, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, ButtonResult,
    ::testing::Values(ResultCase{"Befehl1", U"OMA ISST EIS."}, ResultCase{"Befehl2", U"oma isst eis."},
                      ResultCase{"Befehl3", U".siE tssi amO"}, ResultCase{"Befehl4", U". Eis isst Oma"},
                      ResultCase{"Befehl5", U"amO tssi siE."}, ResultCase{"Befehl6", U"OmaisstEis."},
                      ResultCase{"Befehl7", U"Oma ________ Eis.", Asks::kYesOrNo}, ResultCase{"Befehl8", U"O____ i______ E____."},
                      ResultCase{"Befehl10", U". Eis isst Oma"}, ResultCase{"Befehl11", U"(Oo)ma (Ii)sst (Ee)is.", Asks::kYesOrNo},
                      ResultCase{"Befehl12", U"amO isst Eis."}, ResultCase{"Befehl13", U"SMS SMMM SSM."},
                      ResultCase{"Befehl14", U"O_a i_s_ E_s.", Asks::kYesOrNo}, ResultCase{"Befehl15", U"O_a i__t E_s."},
                      ResultCase{"Befehl16", U"15+13+1 9+19+19+20 5+9+19."},
                      ResultCase{"Befehl18", U"O_a i___ Ei_."}, ResultCase{"Befehl19", U"_m_ _sst __s."},
                      ResultCase{"Befehl29", U".siE tssi amO"}, ResultCase{"Befehl31", U"Oma i__t Ei_.", Asks::kLetters}),
    ButtonName<ResultCase>);

// A selected word-list entry: the message, the text path or every entry.
struct ListCase {
  const char* button;
  std::vector<Text> expected;  // the entries «Sonne», «Straße» afterwards
  Text message;                // empty: no message
  Text title;                  // of the message
  bool usesText = false;       // the text path runs instead
  ListCase(const char* b, std::vector<Text> e, Text m = {}, Text t = {}, bool text = false)
      : button(b), expected(std::move(e)), message(std::move(m)), title(std::move(t)), usesText(text) {}
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.button; }

class SelectedEntry : public ::testing::TestWithParam<ListCase> {};

TEST_P(SelectedEntry, TakesTheButtonsWordListPath) {
  const ListCase& c = GetParam();
  ScriptedUi ui;
  const std::string button = c.button;
  if (button == "Befehl11") ui.AnswerMessage(kAnswerYes);
  if (button == "Befehl14") ui.AnswerMessage(kAnswerNo);
  if (button == "Befehl31") ui.AnswerInput(U"n");
  if (!c.message.empty()) ui.AnswerMessage();
  Worksheet ws = Sheet(U"Hund", {U"Sonne", U"Straße"}, /*selectFirst=*/true);
  RunExercise(Button(c.button), ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), c.expected);
  EXPECT_TRUE(ws.Liste2.IsSelected(0) && !ws.Liste2.IsSelected(1));
  EXPECT_EQ(ws.Text2 != U"alt", c.usesText);
  if (c.message.empty()) return;
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].prompt, c.message);
  EXPECT_EQ(ui.Shown()[0].style, style::kOk);
  EXPECT_EQ(ui.Shown()[0].title, c.title);
}

const Text kReverseWord = U"Wählen Sie dafür 'Umkehrwort'.";
const std::vector<Text> kSame = {U"Sonne", U"Straße"};

INSTANTIATE_TEST_SUITE_P(
    EveryButton, SelectedEntry,
    ::testing::Values(
        ListCase{"Befehl1", {U"SONNE", U"STRAßE"}}, ListCase{"Befehl2", {U"sonne", U"straße"}},
        ListCase{"Befehl3", kSame, kReverseWord, U"Rückwärtstext"}, ListCase{"Befehl4", kSame, kReverseWord, U"Umkehrtext"},
        ListCase{"Befehl5", kSame, U"", U"", true}, ListCase{"Befehl31", kSame, U"", U"", true},
        ListCase{"Befehl6", kSame, U"Für Einzelwörter unsinnig.", U"Bandwurmtext"},
        ListCase{"Befehl7", kSame, U"Wählen Sie dafür 'Lücken-Wörter'.", U"Lückentext"},
        ListCase{"Befehl8", {U"S____", U"S_____"}}, ListCase{"Befehl10", kSame, kReverseWord, U"Umkehrsatz"},
        ListCase{"Befehl11", {U"(Ss)onne", U"(Ss)traße"}}, ListCase{"Befehl12", {U"ennoS", U"aerSßt"}},
        ListCase{"Befehl13", {U"MSMMS", U"MMMSMS"}}, ListCase{"Befehl14", {U"_o_n_", U"_t_a_e"}},
        ListCase{"Befehl15", {U"S___e", U"S____e"}}, ListCase{"Befehl16", {U"19+15+14+14+5", U"19+20+18+1+19+5"}},
        ListCase{"Befehl18", {U"_o__e", U"___a_e"}}, ListCase{"Befehl19", {U"S_nn_", U"Str_ß_"}},
        ListCase{"Befehl29", kSame, kReverseWord, U"Rückwärtssatz"}),
    ButtonName<ListCase>);

// "Purzel-Wörter" draws at random: its button gives what the word shuffle
// gives from the same first draws (the drawing itself: transformations_test.cpp
// and in_place_transformations_test.cpp), on the text or on every entry as one word.
TEST(PurzelWoerter, ShufflesTheTextOrEveryEntryWithTheRunsFirstDraws) {
  ResetRandomForTesting();
  const Text text = ShuffleWords(Text(U"Der Hund, bellt.Äpfel"));
  ScriptedUi ui;
  Worksheet ws = Sheet(U"Der Hund, bellt.Äpfel");
  ResetRandomForTesting();
  RunExercise(Button("Befehl9"), ws, ui);
  EXPECT_EQ(ws.Text2, text);

  ResetRandomForTesting();
  const Text first = ShuffleWord(U"Sonne"), second = ShuffleWord(U"a.b c");
  Worksheet list = Sheet(U"", {U"Sonne", U"a.b c"}, /*selectFirst=*/true);
  ResetRandomForTesting();
  RunExercise(Button("Befehl9"), list, ui);
  EXPECT_EQ(list.Liste2.Texts(), (std::vector<Text>{first, second}));
  EXPECT_EQ(list.Text2, U"alt");
  ResetRandomForTesting();
}

}  // namespace
}  // namespace tesmoran
