// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting the sheet's text into paper lines, words and drawn pieces.
#include <gtest/gtest.h>

#include "FakeSheetTools.h"
#include "printsheet/SheetWords.h"

namespace tesmoran {
namespace {

using testing::TableSyllabifier;

const TableSyllabifier kSyllables({{U"Abend", {1}}, {U"Abend.", {1}}, {U"Banane", {2, 4}}, {U"„Oma", {2}}});

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

TEST(SplitWord, MarksTheSyllablesAsChosen) {
  const WordMarking colours{SyllableMarks::kColours, SyllableKind::kReading, &kSyllables};
  const WordMarking arcs{SyllableMarks::kArcs, SyllableKind::kReading, &kSyllables};
  const WordMarking hyphens{SyllableMarks::kHyphens, SyllableKind::kReading, &kSyllables};
  const Ink first = Ink::kFirst, second = Ink::kSecond, black = Ink::kBlack;
  const struct {
    const char* name;
    Text word;
    WordMarking marking;
    std::vector<Piece> pieces;
  } rows[] = {
      {"two syllables", U"Abend", colours, {{U"A", first}, {U"bend", second}}},
      {"full stop black", U"Abend.", colours, {{U"A", first}, {U"bend", second}, {U".", black}}},
      {"third syllable first colour again", U"Banane", colours, {{U"Ba", first}, {U"na", second}, {U"ne", first}}},
      {"opening quote black", U"„Oma", colours, {{U"„", black}, {U"O", first}, {U"ma", second}}},
      {"one syllable", U"Hund", colours, {{U"Hund", first}}},
      {"arcs under each syllable in black",
       U"Banane",
       arcs,
       {{U"Ba", black, true}, {U"na", black, true}, {U"ne", black, true}}},
      {"hyphens between the syllables",
       U"Banane",
       hyphens,
       {{U"Ba", black}, {U"-", black}, {U"na", black}, {U"-", black}, {U"ne", black}}},
      {"marks off", U"Abend.", {SyllableMarks::kNone, SyllableKind::kReading, &kSyllables}, {{U"Abend.", black}}},
      {"no engine", U"Abend.", {SyllableMarks::kColours, SyllableKind::kReading, nullptr}, {{U"Abend.", black}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SplitWord(row.word, row.marking), row.pieces);
  }
}

TEST(SplitWord, AsksTheEngineForTheChosenKindOfSyllables) {
  TableSyllabifier engine({});
  SplitWord(U"Abend", WordMarking{SyllableMarks::kColours, SyllableKind::kLineBreak, &engine});
  EXPECT_EQ(engine.lastKind, SyllableKind::kLineBreak);
}

}  // namespace
}  // namespace tesmoran
