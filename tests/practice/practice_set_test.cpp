// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's exercise set: its shown forms put together are what
// the exercise's button delivers, for every exercise and for texts of every
// kind, and its items ask for what the original text holds.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <tuple>

#include "exercises/Random.h"
#include "platform/FixedAnswerUi.h"
#include "practice/PracticeSet.h"
#include "worksheet/Worksheet.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

// What one press of the button puts into the solution text, in replace mode,
// with the same answers the page uses.
Text ButtonResult(const Exercise& exercise, const Text& text) {
  Worksheet ws;
  ws.Text1.Set(text);
  ws.Liste3 = kModeReplace;
  const Answer answer = DefaultPracticeAnswer();
  FixedAnswerUi ui(answer.yes, answer.letters);
  RunExercise(exercise, ws, ui);
  return ws.Text2;
}

PracticeSection SectionOf(const PracticeExercise& exercise, const Text& text) {
  return BuildPracticeSet(text, {&exercise}).sections.front();
}

std::string Name(const PracticeExercise& exercise) { return EncodeUtf8(ButtonExercise(exercise).caption); }

// Every exercise on one text: the same random draws on both ways.
void ExpectAgreement(const Text& text) {
  for (const PracticeExercise& exercise : PracticeExercises()) {
    SCOPED_TRACE(Name(exercise));
    ResetRandomForTesting();
    const Text delivered = ButtonResult(ButtonExercise(exercise), text);
    ResetRandomForTesting();
    const PracticeSection section = SectionOf(exercise, text);
    ASSERT_EQ(EncodeUtf8(section.Shown()), EncodeUtf8(delivered));
    for (const PracticePiece& piece : section.pieces) {
      EXPECT_LE(piece.from, piece.to);
      EXPECT_LE(piece.to, text.size());
      EXPECT_TRUE(!piece.item || !piece.answer.empty());
    }
  }
}

TEST(PracticeAgreement, ShownFormsPutTogetherAreWhatTheButtonDelivers) {
  const struct {
    const char* name;
    Text text;
  } rows[] = {
      {"plain sentences", U"Der Hund bellt. Die Katze schläft."},
      {"CR LF between lines without marks", U"Oma liest\r\nam Abend\r\nein Buch"},
      {"CR LF after marks", U"Der Hund bellt.\r\nDie Katze schläft!\r\n"},
      {"tabs", U"Name:\tAnna\tOtto\t\tEnde."},
      {"ß and umlauts", U"Äpfel, Öl und Straße; Übermut tut selten gut. Fußgänger grüßen."},
      {"digits", U"Am 3. Mai 2024 kamen 17 Kinder um 8:30 Uhr."},
      {"punctuation runs", U"Was?! Nein... Doch!!! Ja,, so;: ist es . . ."},
      {"spaces at both ends and in runs", U"  zwei  Leerzeichen   und   drei  "},
      {"underscores in the text", U"a_b __ c_ _d Lücke_"},
      {"hyphen, apostrophe, quotes", U"„Geh’ nach Hause“, sagte E-Mail-Anna. 'So' ist's."},
      {"one word", U"Haus"},
      {"one letter", U"a"},
      {"only delimiters", U" .,;:!? "},
      {"only a line break", U"\r\n"},
      {"characters outside code page 1252", U"Καλημέρα мир 世界 é"},
      {"starts with a sentence end", U".Hund. .Katze"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ExpectAgreement(row.text);
  }
}

TEST(PracticeAgreement, HoldsForRandomTexts) {
  const Text alphabet = U"aAbBeEiIoOuUäÄöÖüÜßsStTnNrRlLmM  ..,,!!??::;;--_'\"0123456789\t\r\n\r\nxyzé";
  std::mt19937 random(20261206);
  std::uniform_int_distribution<std::size_t> length(0, 60);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 150; ++round) {
    Text text;
    for (std::size_t n = length(random); n > 0; --n) text.push_back(alphabet[pick(random)]);
    SCOPED_TRACE("round " + std::to_string(round) + ": " + EncodeUtf8(text));
    ExpectAgreement(text);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

const PracticeExercise& ByCaption(const Text& caption) {
  for (const PracticeExercise& e : PracticeExercises()) {
    if (ButtonExercise(e).caption == caption) return e;
  }
  throw std::runtime_error("no such practice exercise");
}

struct ItemRow {
  const char* name;
  Text caption;
  Text text;
  std::vector<std::pair<Text, Text>> items;  // shown form, answer
};

TEST(PracticeItems, AskForWhatTheOriginalHolds) {
  const ItemRow rows[] = {
      {"word gaps from the second word, a comma and its space one boundary",
       U"Lückentext",
       U"Der Hund, die Katze.",
       {{U"________", U"Hund"}, {U"__________", U"Katze"}}},
      {"letter gaps keep the count",
       U"Wortrahmen",
       U"Katze und Maus",
       {{U"K___e", U"Katze"}, {U"u_d", U"und"}, {U"M__s", U"Maus"}}},
      {"letters the exercise drops are not asked", U"Selbstlaute", U"E-Mail", {{U"E_ai_", U"EMail"}}},
      {"vowel gaps with umlauts", U"Mitlaute", U"Bär Öl", {{U"B_r", U"Bär"}, {U"_l", U"Öl"}}},
      {"chosen letters, ß included", U"Buchstaben", U"Fuß sie", {{U"Fu_", U"Fuß"}, {U"s__", U"sie"}}},
      {"a word that looks the same is no item", U"Umkehrwort", U"otto lief", {{U"feil", U"lief"}}},
      {"capitals: every word with a letter, digits not",
       U"Kleinletter",
       U"Der 3 Hunde",
       {{U"der", U"Der"}, {U"hunde", U"Hunde"}}},
      {"first letter with the choice of case",
       U"Ohne Erstletter",
       U"Hund und",
       {{U"(Hh)und", U"Hund"}, {U"(Uu)nd", U"und"}}},
      {"one item per sentence, control characters as a space",
       U"Bandwurmtext",
       U"Der Hund.\r\nDie Katze schläft.",
       {{U"DerHund.", U"Der Hund."}, {U"DieKatzeschläft.", U"Die Katze schläft."}}},
      {"word order per sentence", U"Umkehrsatz", U"Der Hund bellt. Ja!", {{U". bellt Hund Der", U"Der Hund bellt."}}},
  };
  for (const ItemRow& row : rows) {
    SCOPED_TRACE(row.name);
    const PracticeSection section = SectionOf(ByCaption(row.caption), row.text);
    std::vector<std::pair<std::string, std::string>> items;
    for (const PracticePiece& piece : section.pieces) {
      if (piece.item) items.emplace_back(EncodeUtf8(piece.shown), EncodeUtf8(piece.answer));
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const auto& [shown, answer] : row.items) expected.emplace_back(EncodeUtf8(shown), EncodeUtf8(answer));
    EXPECT_EQ(items, expected);
  }
}

TEST(PracticeItems, TilesAreTheSentencesWordsLastFirst) {
  const PracticeSection section = SectionOf(ByCaption(U"Rückwärtssatz"), U"Oma liest gern. Opa auch!");
  ASSERT_EQ(section.ItemCount(), 2u);
  EXPECT_EQ(section.pieces[0].tiles, (std::vector<Text>{U"gern.", U"liest", U"Oma"}));
  EXPECT_EQ(section.pieces[1].tiles, (std::vector<Text>{U"auch!", U"Opa"}));
  EXPECT_EQ(section.pieces[1].answer, U"Opa auch!");
}

TEST(PracticeItems, PiecesKnowTheirSentenceAndLineBreaks) {
  ResetRandomForTesting();
  const PracticeSet set = BuildPracticeSet(U"Eins zwei.\r\nDrei\tvier! Fünf", {&ByCaption(U"Purzel-Wörter")});
  EXPECT_EQ(set.sentences, (std::vector<Text>{U"Eins zwei.", U"Drei vier!", U"Fünf"}));
  std::vector<std::size_t> sentenceOfItem;
  std::vector<bool> newLineOfItem;
  for (const PracticePiece& piece : set.sections[0].pieces) {
    if (!piece.item) continue;
    sentenceOfItem.push_back(piece.sentence);
    newLineOfItem.push_back(piece.newLine);
  }
  EXPECT_EQ(sentenceOfItem, (std::vector<std::size_t>{0, 0, 1, 2}));
  // "Drei\tvier" is one word of the scan; the line break belongs to it.
  EXPECT_EQ(newLineOfItem, (std::vector<bool>{false, false, true, false}));
}

TEST(PracticeItems, KnowTheWordsAroundThemWithinTheirLine) {
  const PracticeSection section = SectionOf(ByCaption(U"Umkehrwort"), U"Eins zwei.\r\nDrei vier.");
  std::vector<std::tuple<std::string, std::string, std::string>> around;
  for (std::size_t k = 0; k < section.pieces.size(); ++k) {
    if (!section.pieces[k].item) continue;
    around.emplace_back(EncodeUtf8(section.WordsBefore(k)), EncodeUtf8(section.pieces[k].answer),
                        EncodeUtf8(section.WordsAfter(k)));
  }
  const std::vector<std::tuple<std::string, std::string, std::string>> expected = {
      {"", "Eins", " "}, {" ", "zwei", "."}, {"", "Drei", " "}, {" ", "vier", "."}};
  EXPECT_EQ(around, expected);
}

TEST(SpokenForm, TurnsControlRunsIntoOneSpaceAndTrims) {
  const struct {
    const char* name;
    Text in;
    Text out;
  } rows[] = {
      {"line break", U"Hund\r\nbellt", U"Hund bellt"},
      {"tab beside a space", U"a \tb", U"a b"},
      {"surrounding", U"\r\n  Ende.\r\n", U"Ende."},
      {"nothing but controls", U"\t\r\n", U""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SpokenForm(row.in), row.out);
  }
}

}  // namespace
}  // namespace tesmoran
