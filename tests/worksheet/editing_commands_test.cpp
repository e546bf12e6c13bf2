// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own commands on the two text fields, without a window:
// the line breaks a field takes, pasting and the dropped label.  The copy
// commands are driven through the window in form1_test.cpp.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "worksheet/EditingCommands.h"

namespace tesmoran {
namespace {

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

// The window's field gives every line break as CR LF again; the worksheet
// must hold them so before any field does.
TEST(PasteCommands, TakeTheClipboardWithFieldLineBreaks) {
  testing::ScriptedUi ui;
  ui.clipboard = U"eins\rzwei\ndrei";
  Worksheet ws = MarkedSheet(U"Der Hund", 4, 4, U"alt");
  PasteIntoSolution(ws, ui);
  EXPECT_EQ(ws.Text2, U"eins\r\nzwei\r\ndrei");
  EXPECT_EQ(ws.Text1.selLength, 4u);
  PasteIntoOriginal(ws, ui);
  EXPECT_EQ(ws.Text1.text, U"eins\r\nzwei\r\ndrei");
  EXPECT_EQ(ws.Text1.selLength, 0u);
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

}  // namespace
}  // namespace tesmoran
