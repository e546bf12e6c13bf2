// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>

#include "FilesTestSupport.h"
#include "files/FieldReader.h"
#include "files/FileLoading.h"
#include "files/TextFileDecoding.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

TEST(JoinFields, JoinsTheFieldsOfAllLinesWithOneSpace) {
  const struct {
    const char* name;
    Text file, loaded;
  } rows[] = {
      {"commas and line ends", U"Der Hund, die Katze\r\nund die Maus.\r\n", U"Der Hund die Katze und die Maus."},
      {"line feed and carriage return alone", U"eins\nzwei\rdrei\r", U"eins zwei drei"},
      {"comma without space", U"a,b", U"a b"},
      {"quoted commas and an empty field", U"\"a, b, c\",d,,e", U"a, b, c d  e"},
      {"quoted spaces kept", U"\" a \",\"Halt\" rief er", U" a  Halt rief er"},
      {"unclosed quote", U"\"Hallo, Welt\r\nweiter", U"\"Hallo Welt weiter"},
      {"quote inside a field", U"Er sagte \"ja\", gut", U"Er sagte \"ja\" gut"},
      {"empty line", U"Absatz eins\r\n\r\nAbsatz zwei\r\n", U"Absatz eins  Absatz zwei"},
      {"spaces around fields", U"a,    b  \r\n   c,", U"a b c"},
      {"tabs kept", U"\ta\tb", U"\ta\tb"},
      {"only spaces", U"    ", U""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<Text> joined = JoinFields(row.file);
    ASSERT_TRUE(joined.has_value());
    EXPECT_EQ(EncodeUtf8(*joined), EncodeUtf8(row.loaded));
  }
  EXPECT_FALSE(JoinFields(U"").has_value());
}

TEST(DecodeTextFile, KeepsTabsDropsAFinalEndMarkAndReadsAFileCutShort) {
  const std::tuple<const char*, std::string, bool, Text> rows[] = {  // name, bytes, cut short, text
      {"tab, form feed and end mark", "a\tb\x0C" "Ende\r\n\x1A", false, U"a\tb\fEnde\r\n"},
      {"UTF-8 cut inside a character", "Stra\xC3\x9F" "e \xC3", true, U"Straße "},
      {"code page 1252 cut short", "Stra\xDF" "e", true, U"Straße"},
  };
  for (const auto& [name, bytes, cutShort, text] : rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(EncodeUtf8(DecodeTextFile(bytes, cutShort).value_or(U"(refused)")), EncodeUtf8(text));
  }
}

using testing::ExpectBox;
using testing::ScriptedUi;

using testing::kLoadError;
using testing::LoadSelectedFileTest;

TEST_F(LoadSelectedFileTest, LoadsTheSameGermanTextFromEveryEncoding) {
  const std::pair<const char*, std::string> rows[] = {
      {"code page 1252", "Gr\xF6\xDF" "ere \xC4pfel f\xFCr\r\n\xDC" "berm\xFCtige \xE4rgern s\xFC\xDF"},
      {"UTF-8", "Größere Äpfel für\r\nÜbermütige ärgern süß"},
      {"UTF-8 with byte order mark", "\xEF\xBB\xBFGrößere Äpfel für\nÜbermütige ärgern süß"},
  };
  for (const auto& [name, bytes] : rows) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(EncodeUtf8(preview), "Größere Äpfel für Übermütige ärgern süß");
  }
  EXPECT_EQ(selection.SelectedFile, ToUpper(dir.Directory() + U"/Brief.txt"));
}

TEST_F(LoadSelectedFileTest, AsksOnlyAboveTheByteLimitAndNoKeepsEverything) {
  ASSERT_TRUE(Load(std::string(31000, 'a')));
  EXPECT_TRUE(ui.Shown().empty());
  ui.AnswerMessage(kAnswerNo);
  EXPECT_FALSE(Load(std::string(31001, 'b')));
  ExpectBox(ui, 0, U"Die Datei ist zu umfangreich\n\roder hat ein anderes Format.\n\rDiese Datei trotzdem laden?",
            U"Dateifehler", style::kYesNoQuestion);
  EXPECT_EQ(preview, Text(31000, U'a'));
}

TEST_F(LoadSelectedFileTest, UnreadableFileShowsTheLoadErrorAndKeepsThePreview) {
  const std::pair<const char*, std::optional<std::string>> rows[] = {
      {"empty file", ""},
      {"zero bytes", std::string("ab\0\0", 4)},
      {"program file", "\x7F" "ELF\x02"},
      {"undefined code page byte", "ab\x81"},
      {"picture", "\x89PNG\r\n\x1A\n"},
      {"bad UTF-8 after a byte order mark", "\xEF\xBB\xBF\xF6"},
      {"no such file", std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const auto& [name, bytes] = rows[i];
    SCOPED_TRACE(name);
    ui.AnswerMessage();
    EXPECT_FALSE(Load(bytes));
    ExpectBox(ui, i, kLoadError, U"Dateifehler", style::kOkStop);
    EXPECT_EQ(preview, U"Text1");
  }
}

TEST(CheckFileChosen, AsksForAFileFirst) {
  ScriptedUi ui;
  ui.AnswerMessage();
  EXPECT_FALSE(CheckFileChosen(FileSelection{}, ui));
  ExpectBox(ui, 0, U"Erst eine Datei auswählen!", U"Ladefehler", style::kOk);
  EXPECT_TRUE(CheckFileChosen(SelectFile(U"/", U"a.txt"), ui));
}

}  // namespace
}  // namespace tesmoran
