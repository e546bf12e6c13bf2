// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file: what it holds, and that nothing damaged is ever taken
// for a worksheet.
#include <gtest/gtest.h>

#include <string>

#include "worksheet/RecoveryFormat.h"

namespace tesmoran {
namespace {

// A worksheet in the words of the file below: original «Der», CR LF,
// «Hund» with «Hund» marked, solution «ABC» and a line break, extend mode,
// word list «Der» (selected) and «Hünd», backup «Der».
const std::string kFile =
    "tesmoran-recovery 1\n"
    "original 9 5 4\nDer\r\nHund\n"
    "solution 4\nABC\n\n"
    "mode 1\n"
    "words 2\n1 3\nDer\n0 5\nH\xC3\xBCnd\n"
    "backup 1\n3\nDer\n"
    "crc32 e0bdf0fd\n";

Worksheet FileSheet() {
  Worksheet ws;
  ws.Text1.text = U"Der\r\nHund";
  ws.Text1.selStart = 5;
  ws.Text1.selLength = 4;
  ws.Text2 = U"ABC\n";
  ws.Liste3 = kModeExtend;
  ws.Liste2.Assign({U"Der", U"Hünd"});
  ws.Liste2.SetSelected(0, true);
  ws.Liste4 = {U"Der"};
  return ws;
}

void ExpectSameSheet(const Worksheet& got, const Worksheet& want) {
  EXPECT_EQ(got.Text1.text, want.Text1.text);
  EXPECT_EQ(got.Text1.selStart, want.Text1.selStart);
  EXPECT_EQ(got.Text1.selLength, want.Text1.selLength);
  EXPECT_EQ(got.Text2, want.Text2);
  EXPECT_EQ(got.Liste3, want.Liste3);
  EXPECT_EQ(got.Liste2.Entries(), want.Liste2.Entries());
  EXPECT_EQ(got.Liste4, want.Liste4);
}

// The file with the first `from` replaced by `to`.
std::string With(const std::string& from, const std::string& to) {
  std::string text = kFile;
  return text.replace(text.find(from), from.size(), to);
}

// The same, with a fitting checksum, so that only the structure is at fault.
std::string Resealed(const std::string& from, const std::string& to) {
  const std::string changed = With(from, to);
  const std::string body = changed.substr(0, changed.find("crc32 "));
  char sum[16];
  std::snprintf(sum, sizeof sum, "%08x", Crc32(body));
  return body + "crc32 " + sum + "\n";
}

TEST(Crc32, GivesTheCheckValueOfTheStandardInput) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

TEST(WriteRecovery, WritesEveryPartOfTheWorksheetInItsPlace) { EXPECT_EQ(WriteRecovery(FileSheet()), kFile); }

TEST(ReadRecovery, ReadsEveryPartOfTheWorksheet) {
  const std::optional<Worksheet> ws = ReadRecovery(kFile);
  ASSERT_TRUE(ws);
  ExpectSameSheet(*ws, FileSheet());
}

TEST(ReadRecovery, GetsBackWhatWasWrittenForUnusualWorksheets) {
  const struct { const char* name; Text original, solution; std::vector<Text> words, backup; } rows[] = {
      {"empty", U"", U"", {}, {}},
      {"text that looks like the format", U"crc32 0\nwords 5\n", U"\r\n", {U"0 3"}, {U""}},
      {"characters beyond code page 1252 and NUL", Text(U"Ayşe 😀\0", 7), U"Ω", {U"😀"}, {U"ß"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Worksheet ws;
    ws.Text1.text = row.original;
    ws.Text1.selLength = row.original.size();
    ws.Text2 = row.solution;
    ws.Liste2.Assign(row.words);
    ws.Liste2.SetAllSelected(true);
    ws.Liste4 = row.backup;
    const std::optional<Worksheet> back = ReadRecovery(WriteRecovery(ws));
    ASSERT_TRUE(back);
    ExpectSameSheet(*back, ws);
  }
}

TEST(ReadRecovery, RefusesADamagedFileAndSaysWhy) {
  const struct { const char* name; std::string bytes; Text why; } rows[] = {
      {"empty file", "", U"Die Datei ist keine Wiederherstellungsdatei."},
      {"another file", "Der Hund bellt.\n", U"Die Datei ist keine Wiederherstellungsdatei."},
      {"later version", With("recovery 1", "recovery 2"), U"Die Datei stammt aus einer anderen Programmversion."},
      {"cut in the last line", kFile.substr(0, kFile.size() - 1), U"Die Datei ist unvollständig."},
      {"cut inside a text", kFile.substr(0, 40), U"Die Datei ist unvollständig."},
      {"byte appended", kFile + "x", U"Hinter dem Ende der Daten steht noch etwas."},
      {"one letter changed", With("ABC", "ABD"), U"Die Prüfsumme stimmt nicht."},
      {"length too long", Resealed("solution 4", "solution 5"), U"Der Aufbau der Datei stimmt nicht."},
      {"length with a sign", Resealed("solution 4", "solution +4"), U"Der Aufbau der Datei stimmt nicht."},
      {"mode line missing", Resealed("mode 1\n", ""), U"Der Aufbau der Datei stimmt nicht."},
      {"unknown mode", Resealed("mode 1", "mode 2"), U"Der Arbeitsmodus ist unbekannt."},
      {"marking beyond the text", Resealed("9 5 4", "9 5 5"), U"Der markierte Teil liegt außerhalb des Textes."},
      {"more words than a list holds", Resealed("words 2", "words 32768"), U"Die Wörterliste ist zu lang."},
      {"invalid UTF-8", Resealed("H\xC3\xBCnd", "H\xC3\xC3nd"), U"Die Datei enthält ungültige Zeichen."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Text why;
    EXPECT_FALSE(ReadRecovery(row.bytes, &why));
    EXPECT_EQ(why, row.why);
  }
}

}  // namespace
}  // namespace tesmoran
