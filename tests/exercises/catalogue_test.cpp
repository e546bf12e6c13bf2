// The twenty exercise buttons through the exercise frame: which boxes they
// show, with which texts, in which order, and what they change.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "exercises/Catalogue.h"
#include "exercises/Random.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;
using testing::ShownBox;

const Text kNoText = U"Kein Originaltext vorhanden.\r";

const Exercise& Button(const char* name) {
  const Exercise* e = FindExerciseByButton(name);
  if (e == nullptr) throw std::runtime_error(std::string("no exercise ") + name);
  return *e;
}

Worksheet Sheet(Text original, std::vector<Text> entries = {}, bool selectFirst = false) {
  Worksheet ws;
  ws.Text1.Set(std::move(original));
  ws.Text2 = U"alt";
  ws.Liste2.Assign(entries);
  if (selectFirst && !entries.empty()) ws.Liste2.SetSelected(0, true);
  return ws;
}

TEST(ExerciseCatalogue, HoldsTheTwentyButtonsWithTheirCaptions) {
  const std::vector<std::pair<const char*, Text>> expected = {
      {"Befehl1", U"Großletter"},     {"Befehl2", U"Kleinletter"},    {"Befehl3", U"Rückwärtstext"},
      {"Befehl4", U"Umkehrtext"},     {"Befehl5", U"Umkehrwort"},     {"Befehl6", U"Bandwurmtext"},
      {"Befehl7", U"Lückentext"},     {"Befehl8", U"Nur Erstletter"}, {"Befehl9", U"Purzel-Wörter"},
      {"Befehl10", U"Umkehrsatz"},    {"Befehl11", U"Ohne Erstletter"}, {"Befehl12", U"ABC-Wörter"},
      {"Befehl13", U"MitSel-Wörter"}, {"Befehl14", U"Lücken-Wörter"}, {"Befehl15", U"Wortrahmen"},
      {"Befehl16", U"ABC-Nr-Wörter"}, {"Befehl18", U"Selbstlaute"},   {"Befehl19", U"Mitlaute"},
      {"Befehl29", U"Rückwärtssatz"}, {"Befehl31", U"Buchstaben"}};
  ASSERT_EQ(ExerciseCatalogue().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_STREQ(ExerciseCatalogue()[i].button, expected[i].first);
    EXPECT_EQ(ExerciseCatalogue()[i].caption, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(FindExerciseByButton("Befehl17"), nullptr);
}

// The questions on the text path: exact prompt, style and title, asked once.
struct QuestionCase {
  const char* button;
  Text prompt;
  int style;
  Text title;
};

class ButtonQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(ButtonQuestion, IsAskedWithItsExactTexts) {
  const QuestionCase& q = GetParam();
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  Worksheet ws = Sheet(U"Oma isst Eis.");
  RunExercise(Button(q.button), ws, ui);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].kind, ShownBox::Kind::kMessage);
  EXPECT_EQ(ui.Shown()[0].prompt, q.prompt);
  EXPECT_EQ(ui.Shown()[0].style, q.style);
  EXPECT_EQ(ui.Shown()[0].title, q.title);
  EXPECT_NE(ws.Text2, U"alt");
}

INSTANTIATE_TEST_SUITE_P(
    YesNo, ButtonQuestion,
    ::testing::Values(QuestionCase{"Befehl7", U"Lückenfolge ab dem zweiten Wort?", 4, U"Lückentext"},
                      QuestionCase{"Befehl14", U"Lückenfolge ab dem zweiten Buchstaben?", 4, U"Lückenwort"},
                      QuestionCase{"Befehl11", U"Buchstabenauswahl anbieten?\n\r ", 36, U"Ohne Wortanfang"}));

TEST(ButtonQuestion, BuchstabenAsksWithAnInputBox) {
  ScriptedUi ui;
  ui.AnswerInput(U"e");
  Worksheet ws = Sheet(U"Der Esel geht.");
  RunExercise(Button("Befehl31"), ws, ui);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].kind, ShownBox::Kind::kInput);
  EXPECT_EQ(ui.Shown()[0].prompt, U"Zu ersetztende Buchstaben:");
  EXPECT_EQ(ui.Shown()[0].title, U"Buchstabenlücken");
  EXPECT_EQ(ui.Shown()[0].defaultAnswer, U"");
  EXPECT_EQ(ws.Text2, U"D_r Es_l g_ht.");
}

TEST(ButtonQuestion, BuchstabenWithAnEmptyAnswerLeavesTheSolutionText) {
  ScriptedUi ui;
  ui.AnswerInput(U"");
  Worksheet ws = Sheet(U"Der Esel geht.");
  RunExercise(Button("Befehl31"), ws, ui);
  EXPECT_EQ(ws.Text2, U"alt");
}

TEST(ButtonQuestion, TheAnswerChoosesWhereTheGapsBegin) {
  Worksheet yes = Sheet(U"Tom hat Hunger.");
  Worksheet no = Sheet(U"Tom hat Hunger.");
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes).AnswerMessage(kAnswerNo);
  RunExercise(Button("Befehl7"), yes, ui);
  RunExercise(Button("Befehl7"), no, ui);
  EXPECT_EQ(yes.Text2, U"Tom ______ Hunger.");
  EXPECT_EQ(no.Text2, U"______ hat ____________.");
}

// An empty original text: which boxes come, in which order.
struct EmptyTextCase {
  const char* button;
  bool questionFirst;  // the exercise's own question comes before the message
};

class EmptyOriginalText : public ::testing::TestWithParam<EmptyTextCase> {};

TEST_P(EmptyOriginalText, ShowsTheMessageAndChangesNothing) {
  const EmptyTextCase& c = GetParam();
  ScriptedUi ui;
  if (c.questionFirst) ui.AnswerMessage(kAnswerNo);
  ui.AnswerMessage();
  Worksheet ws = Sheet(U"", {U"Hund"});
  RunExercise(Button(c.button), ws, ui);
  ASSERT_EQ(ui.Shown().size(), c.questionFirst ? 2u : 1u);
  EXPECT_EQ(ui.Shown().back().prompt, kNoText);
  EXPECT_EQ(ui.Shown().back().title, U"Textfehler");
  EXPECT_EQ(ui.Shown().back().style, style::kOk);
  EXPECT_EQ(ws.Text2, U"alt");
  EXPECT_EQ(ws.Liste2.EntryText(0), U"Hund");
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, EmptyOriginalText,
    ::testing::Values(EmptyTextCase{"Befehl1", false}, EmptyTextCase{"Befehl2", false},
                      EmptyTextCase{"Befehl3", false}, EmptyTextCase{"Befehl4", false},
                      EmptyTextCase{"Befehl5", false}, EmptyTextCase{"Befehl6", false},
                      EmptyTextCase{"Befehl7", false}, EmptyTextCase{"Befehl8", false},
                      EmptyTextCase{"Befehl9", false}, EmptyTextCase{"Befehl10", false},
                      EmptyTextCase{"Befehl11", true}, EmptyTextCase{"Befehl12", false},
                      EmptyTextCase{"Befehl13", false}, EmptyTextCase{"Befehl14", false},
                      EmptyTextCase{"Befehl15", false}, EmptyTextCase{"Befehl16", false},
                      EmptyTextCase{"Befehl18", false}, EmptyTextCase{"Befehl19", false},
                      EmptyTextCase{"Befehl29", false}, EmptyTextCase{"Befehl31", false}));

// A selected word-list entry: the message, the text path or every entry.
struct ListCase {
  const char* button;
  Text message;                // empty: no message
  std::vector<int> answers;    // answers of the question, if any
  std::vector<Text> expected;  // the entries afterwards ("Sonne", "Straße")
  bool usesText = false;       // the text path runs instead
};

class SelectedEntry : public ::testing::TestWithParam<ListCase> {};

TEST_P(SelectedEntry, TakesTheButtonsWordListPath) {
  const ListCase& c = GetParam();
  ScriptedUi ui;
  for (int a : c.answers) ui.AnswerMessage(a);
  if (!c.message.empty()) ui.AnswerMessage();
  if (std::string(c.button) == "Befehl31") ui.AnswerInput(U"n");
  Worksheet ws = Sheet(U"Hund", {U"Sonne", U"Straße"}, /*selectFirst=*/true);
  RunExercise(Button(c.button), ws, ui);
  EXPECT_EQ(ws.Liste2.Texts(), c.expected);
  EXPECT_TRUE(ws.Liste2.IsSelected(0));
  EXPECT_FALSE(ws.Liste2.IsSelected(1));
  if (c.usesText) {
    EXPECT_NE(ws.Text2, U"alt");
  } else {
    EXPECT_EQ(ws.Text2, U"alt");
  }
  if (!c.message.empty()) {
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, c.message);
    EXPECT_EQ(ui.Shown()[0].style, style::kOk);
    EXPECT_EQ(ui.Shown()[0].title, Button(c.button).caption);
  }
}

const Text kReverseWord = U"Wählen Sie dafür 'Umkehrwort'.";
const std::vector<Text> kUnchanged = {U"Sonne", U"Straße"};

INSTANTIATE_TEST_SUITE_P(
    EveryButton, SelectedEntry,
    ::testing::Values(
        ListCase{"Befehl1", U"", {}, {U"SONNE", U"STRAßE"}},
        ListCase{"Befehl2", U"", {}, {U"sonne", U"straße"}},
        ListCase{"Befehl3", kReverseWord, {}, kUnchanged},
        ListCase{"Befehl4", kReverseWord, {}, kUnchanged},
        ListCase{"Befehl5", U"", {}, kUnchanged, true},
        ListCase{"Befehl6", U"Für Einzelwörter unsinnig.", {}, kUnchanged},
        ListCase{"Befehl7", U"Wählen Sie dafür 'Lücken-Wörter'.", {}, kUnchanged},
        ListCase{"Befehl8", U"", {}, {U"S____", U"S_____"}},
        ListCase{"Befehl10", kReverseWord, {}, kUnchanged},
        ListCase{"Befehl11", U"", {kAnswerYes}, {U"(Ss)onne", U"(Ss)traße"}},
        ListCase{"Befehl12", U"", {}, {U"ennoS", U"aerSßt"}},
        ListCase{"Befehl13", U"", {}, {U"MSMMS", U"MMMSMS"}},
        ListCase{"Befehl14", U"", {kAnswerNo}, {U"_o_n_", U"_t_a_e"}},
        ListCase{"Befehl15", U"", {}, {U"S___e", U"S____e"}},
        ListCase{"Befehl16", U"", {}, {U"19+15+14+14+5", U"19+20+18+1+19+5"}},
        ListCase{"Befehl18", U"", {}, {U"_o__e", U"___a_e"}},
        ListCase{"Befehl19", U"", {}, {U"S_nn_", U"Str_ß_"}},
        ListCase{"Befehl29", kReverseWord, {}, kUnchanged},
        ListCase{"Befehl31", U"", {}, kUnchanged, true}));

TEST(SelectedEntry, PurzelWoerterShufflesEveryEntryAsOneWord) {
  ScriptedUi ui;
  Worksheet ws = Sheet(U"", {U"Sonne", U"a.b c"}, /*selectFirst=*/true);
  RunExercise(Button("Befehl9"), ws, ui);
  for (std::size_t i = 0; i < 2; ++i) {
    Text before = i == 0 ? Text(U"Sonne") : Text(U"a.b c");
    Text after = ws.Liste2.EntryText(i);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
  }
  EXPECT_EQ(ws.Text2, U"alt");
}

TEST(SelectedEntry, TheQuestionIsAskedOnceForAllEntries) {
  ScriptedUi ui;
  ui.AnswerMessage(kAnswerYes);
  Worksheet ws = Sheet(U"", {U"Sonne", U"Mond", U"Stern"}, /*selectFirst=*/true);
  RunExercise(Button("Befehl14"), ws, ui);
  EXPECT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ws.Liste2.Texts(), (std::vector<Text>{U"S_n_e", U"M_n_", U"S_e_n"}));
}

TEST(PurzelWoerter, TheFirstPressAfterAStartRepeatsItsResult) {
  Worksheet first = Sheet(U"Der Hund bellt laut.");
  Worksheet second = Sheet(U"Der Hund bellt laut.");
  ScriptedUi ui;
  ResetRandomForTesting();
  RunExercise(Button("Befehl9"), first, ui);
  ResetRandomForTesting();
  RunExercise(Button("Befehl9"), second, ui);
  EXPECT_EQ(first.Text2, second.Text2);
  EXPECT_EQ(first.Text2.size(), std::u32string(U"Der Hund bellt laut.").size());
}

}  // namespace
}  // namespace tesmoran
