// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting the sheet's text into paper lines, words and drawn pieces.
#include <gtest/gtest.h>

#include "FakeSheetTools.h"
#include "printsheet/SheetWords.h"

namespace tesmoran {
namespace {

using testing::TableSyllabifier;

const TableSyllabifier kSyllables({{U"Abend", {1}},
                                   {U"Abend.", {1}},
                                   {U"Banane", {2, 4}},
                                   {U"„Oma", {2}}});

std::vector<Text> WordTexts(const SourceLine& line) {
  std::vector<Text> words;
  for (const Word& w : line.words) {
    Text t;
    for (const Piece& p : w.pieces) t += p.text;
    words.push_back(t);
  }
  return words;
}

TEST(SplitSheetText, BreaksPaperLinesAtEveryLineEnd) {
  struct Row {
    const char* name;
    Text text;
    std::vector<std::vector<Text>> lines;
  };
  const Row rows[] = {
      {"crlf", U"Oma liest.\r\nOpa schläft.", {{U"Oma", U"liest."}, {U"Opa", U"schläft."}}},
      {"lone lf", U"a\nb", {{U"a"}, {U"b"}}},
      {"lone cr", U"a\rb", {{U"a"}, {U"b"}}},
      {"empty line stays", U"a\r\n\r\nb", {{U"a"}, {}, {U"b"}}},
      {"empty text", U"", {{}}},
      {"tab separates words", U"a\tb", {{U"a", U"b"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto lines = SplitSheetText(row.text, WordMarking{});
    ASSERT_EQ(lines.size(), row.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(WordTexts(lines[i]), row.lines[i]);
  }
}

TEST(SplitWord, EveryGapMarkIsAPieceOfItsOwn) {
  const auto pieces = SplitWord(U"A__e", WordMarking{});
  const std::vector<Piece> expected = {
      {U"A", Ink::kBlack, false, false},
      {U"_", Ink::kBlack, false, true},
      {U"_", Ink::kBlack, false, true},
      {U"e", Ink::kBlack, false, false},
  };
  EXPECT_EQ(pieces, expected);
}

TEST(SplitWord, ColoursAlternatePerSyllableAndPunctuationStaysBlack) {
  struct Row {
    const char* name;
    Text word;
    std::vector<Piece> pieces;
  };
  const Row rows[] = {
      {"two syllables", U"Abend", {{U"A", Ink::kFirst}, {U"bend", Ink::kSecond}}},
      {"full stop black", U"Abend.", {{U"A", Ink::kFirst}, {U"bend", Ink::kSecond}, {U".", Ink::kBlack}}},
      {"third syllable first colour again",
       U"Banane",
       {{U"Ba", Ink::kFirst}, {U"na", Ink::kSecond}, {U"ne", Ink::kFirst}}},
      {"opening quote black", U"„Oma", {{U"„", Ink::kBlack}, {U"O", Ink::kFirst}, {U"ma", Ink::kSecond}}},
      {"one syllable", U"Hund", {{U"Hund", Ink::kFirst}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SplitWord(row.word, WordMarking{SyllableMarks::kColours, SyllableKind::kReading, &kSyllables}),
              row.pieces);
  }
}

TEST(SplitWord, ArcsGoUnderEachSyllableInBlack) {
  const std::vector<Piece> expected = {{U"Ba", Ink::kBlack, true}, {U"na", Ink::kBlack, true},
                                       {U"ne", Ink::kBlack, true}};
  EXPECT_EQ(SplitWord(U"Banane", WordMarking{SyllableMarks::kArcs, SyllableKind::kReading, &kSyllables}), expected);
}

TEST(SplitWord, HyphensStandBetweenTheSyllables) {
  Text drawn;
  for (const Piece& p : SplitWord(U"Banane", WordMarking{SyllableMarks::kHyphens, SyllableKind::kReading, &kSyllables}))
    drawn += p.text;
  EXPECT_EQ(drawn, U"Ba-na-ne");
}

TEST(SplitWord, NoMarksWithoutAnEngineOrWithMarksOff) {
  struct Row {
    const char* name;
    WordMarking marking;
  };
  const Row rows[] = {
      {"marks off", {SyllableMarks::kNone, SyllableKind::kReading, &kSyllables}},
      {"no engine", {SyllableMarks::kColours, SyllableKind::kReading, nullptr}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<Piece> expected = {{U"Abend.", Ink::kBlack, false, false}};
    EXPECT_EQ(SplitWord(U"Abend.", row.marking), expected);
  }
}

TEST(SplitWord, AsksTheEngineForTheChosenKindOfSyllables) {
  TableSyllabifier engine({});
  SplitWord(U"Abend", WordMarking{SyllableMarks::kColours, SyllableKind::kLineBreak, &engine});
  EXPECT_EQ(engine.lastKind, SyllableKind::kLineBreak);
}

}  // namespace
}  // namespace tesmoran
