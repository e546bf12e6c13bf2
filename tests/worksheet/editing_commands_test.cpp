// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own commands on the two text fields, without a window:
// the clipboard, copying one field into the other, the dropped label, the
// working modes and the exit question.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "worksheet/EditingCommands.h"

namespace tesmoran {
namespace {

using testing::ScriptedUi;

// An original text with `length` characters marked from `start`.
Worksheet MarkedSheet(Text original, std::size_t start, std::size_t length, Text solution = Text()) {
  Worksheet ws;
  ws.Text1.Set(std::move(original));
  ws.Text1.selStart = start;
  ws.Text1.selLength = length;
  ws.Text2 = std::move(solution);
  return ws;
}

TEST(WithFieldLineBreaks, EveryLineBreakBecomesCrLf) {
  const struct {
    const char* name;
    Text in;
    Text out;
  } rows[] = {
      {"no line break", U"Der Hund", U"Der Hund"},
      {"CR LF stays one break", U"a\r\nb", U"a\r\nb"},
      {"lone LF", U"a\nb", U"a\r\nb"},
      {"lone CR", U"a\rb", U"a\r\nb"},
      {"LF CR is two breaks", U"a\n\rb", U"a\r\n\r\nb"},
      {"CR CR LF", U"a\r\r\nb", U"a\r\n\r\nb"},
      {"line separator", U"a\u2028b", U"a\r\nb"},
      {"paragraph separator", U"a\u2029b", U"a\r\nb"},
      {"break at both ends", U"\nab\r", U"\r\nab\r\n"},
      {"tab and umlauts stay", U"ä\tß", U"ä\tß"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(WithFieldLineBreaks(row.in), row.out);
  }
}

TEST(PasteIntoOriginal, ReplacesTheTextWithFieldLineBreaksAndClearsTheMark) {
  ScriptedUi ui;
  ui.clipboard = U"Die Katze\nmiaut.";
  Worksheet ws = MarkedSheet(U"Der Hund bellt.", 4, 4, U"bleibt");
  PasteIntoOriginal(ws, ui);
  EXPECT_EQ(ws.Text1.text, U"Die Katze\r\nmiaut.");
  EXPECT_EQ(ws.Text1.selStart, 0u);
  EXPECT_EQ(ws.Text1.selLength, 0u);
  EXPECT_EQ(ws.Text2, U"bleibt");
}

TEST(PasteIntoSolution, ReplacesTheSolutionTextWithFieldLineBreaks) {
  ScriptedUi ui;
  ui.clipboard = U"eins\rzwei";
  Worksheet ws = MarkedSheet(U"Original", 0, 3, U"alt");
  PasteIntoSolution(ws, ui);
  EXPECT_EQ(ws.Text2, U"eins\r\nzwei");
  EXPECT_EQ(ws.Text1.text, U"Original");
  EXPECT_EQ(ws.Text1.selLength, 3u);
}

TEST(CopyToClipboard, CopiesTheWholeFieldEvenWhenPartIsMarked) {
  ScriptedUi ui;
  Worksheet ws = MarkedSheet(U"Der Hund", 4, 4, U"Lösung\r\nzwei");
  CopyOriginalToClipboard(ws, ui);
  EXPECT_EQ(ui.clipboard, U"Der Hund");
  CopySolutionToClipboard(ws, ui);
  EXPECT_EQ(ui.clipboard, U"Lösung\r\nzwei");
  EXPECT_EQ(ws.Text1.text, U"Der Hund");
  EXPECT_EQ(ws.Text2, U"Lösung\r\nzwei");
}

TEST(OriginalFromSolution, TakesTheSolutionTextAndClearsTheMark) {
  Worksheet ws = MarkedSheet(U"Der Hund", 4, 4, U"HUND");
  OriginalFromSolution(ws);
  EXPECT_EQ(ws.Text1.text, U"HUND");
  EXPECT_EQ(ws.Text1.selLength, 0u);
  EXPECT_EQ(ws.Text2, U"HUND");
}

TEST(SolutionFromOriginal, TakesTheWholeOriginalTextNotItsMarkedPart) {
  Worksheet ws = MarkedSheet(U"Der Hund", 4, 4, U"alt");
  SolutionFromOriginal(ws);
  EXPECT_EQ(ws.Text2, U"Der Hund");
  EXPECT_EQ(ws.Text1.selLength, 4u);
}

TEST(ClearSolution, EmptiesOnlyTheSolutionText) {
  Worksheet ws = MarkedSheet(U"Der Hund", 0, 3, U"Lösung");
  ClearSolution(ws);
  EXPECT_TRUE(ws.Text2.empty());
  EXPECT_EQ(ws.Text1.text, U"Der Hund");
}

TEST(DropOnSolution, OnlyTheOriginalLabelAppendsItsMarkedPartOrWholeText) {
  const struct {
    const char* name;
    Text caption;
    std::size_t start, length;
    Text after;
  } rows[] = {
      {"label, part marked", U"O r i g i n a l t e x t", 4, 4, U"alt:Hund"},
      {"label, nothing marked", U"O r i g i n a l t e x t", 0, 0, U"alt:Der Hund bellt."},
      {"label, mark past the end", U"O r i g i n a l t e x t", 9, 50, U"alt:bellt."},
      {"another caption", U"Originaltext", 4, 4, U"alt:"},
      {"empty caption", U"", 0, 0, U"alt:"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Worksheet ws = MarkedSheet(U"Der Hund bellt.", row.start, row.length, U"alt:");
    DropOnSolution(ws, row.caption);
    EXPECT_EQ(ws.Text2, row.after);
    EXPECT_EQ(ws.Text1.text, U"Der Hund bellt.");
  }
}

TEST(WorkingModes, NamesAndWindowCaptions) {
  const std::vector<Text> names = {U"Lösungstext ersetzen", U"Lösungstext erweitern"};
  EXPECT_EQ(WorkingModeNames(), names);
  EXPECT_EQ(WindowCaption(kModeReplace), U"T E S M O R A N : Lösungstext ersetzen");
  EXPECT_EQ(WindowCaption(kModeExtend), U"T E S M O R A N : Lösungstext erweitern");
}

TEST(ConfirmEnd, AsksWithTheStopIconAndNoAsDefault) {
  const struct {
    const char* name;
    int answer;
    bool ends;
  } rows[] = {{"yes ends", kAnswerYes, true}, {"no stays", kAnswerNo, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedUi ui;
    ui.AnswerMessage(row.answer);
    EXPECT_EQ(ConfirmEnd(ui), row.ends);
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].prompt, U"Das Programm jetzt beenden?\r");
    EXPECT_EQ(ui.Shown()[0].title, U"Tesmoran:  Übungstexte für Lesen und Rechtschreibung, Version 1.0");
    EXPECT_EQ(ui.Shown()[0].style, 276);
  }
}

}  // namespace
}  // namespace tesmoran
