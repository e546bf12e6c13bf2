// How the loader reads files that are not plain code page 1252: UTF-8 with
// stray bytes, UTF-16 with and without a byte order mark, and files whose
// non-text bytes lie behind the part that is loaded.
#include <gtest/gtest.h>

#include <string>

#include "FilesTestSupport.h"
#include "files/FileLoading.h"
#include "files/TextFileDecoding.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using testing::ExpectBox;

// The bytes of a UTF-16 text, written out unit by unit.
std::string Utf16(std::u16string_view units, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

struct DecodeRow {
  const char* name;
  std::string bytes;
  Text text;
};

void ExpectDecodes(const DecodeRow& row) {
  SCOPED_TRACE(row.name);
  const std::optional<Text> text = DecodeTextFile(row.bytes);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(EncodeUtf8(*text), EncodeUtf8(row.text));
}

// "Mostly" means: more of the non-ASCII characters are valid UTF-8
// sequences than stray bytes.
TEST(DecodeTextFile, MostlyUtf8TakesStrayBytesAsCodePage1252) {
  const DecodeRow rows[] = {
      {"one stray byte among UTF-8", "Gr\xC3\xB6\xC3\x9F" "e f\xFCr", U"Größe für"},
      {"three valid, two stray: UTF-8", "\xC3\xA4\xC3\xB6\xC3\xBC \xE4\xF6", U"äöü äö"},
      {"two valid, two stray: code page", "\xC3\xA4\xC3\xB6 \xE4\xF6", U"Ã¤Ã¶ äö"},
      {"cut sequence is a stray byte", "\xC3\xA4\xC3\xB6 Ende\xC3", U"äö EndeÃ"},
      {"stray continuation byte", "\xC3\xA4\xC3\xB6 \x80", U"äö €"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

TEST(DecodeTextFile, Utf16WithAByteOrderMarkInBothOrders) {
  const std::u16string text = u"Der \u4E2D\u6587 Text \xD83D\xDE00 \u00FC";
  const Text expected = U"Der 中文 Text 😀 ü";
  const DecodeRow rows[] = {
      {"little endian", "\xFF\xFE" + Utf16(text, false), expected},
      {"big endian", "\xFE\xFF" + Utf16(text, true), expected},
      {"end marks dropped", "\xFF\xFE" + Utf16(u"ab\x1A\x1A", false), U"ab"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

TEST(DecodeTextFile, Utf16WithoutAMarkIsToldByItsZeroBytes) {
  const DecodeRow rows[] = {
      {"little endian", Utf16(u"Hallo Welt,\r\n\u00C4rger", false), U"Hallo Welt,\r\nÄrger"},
      {"big endian", Utf16(u"Hallo Welt", true), U"Hallo Welt"},
      {"a few units with a zero low byte", Utf16(u"\u4E00 eins \u4E00 ein", false), U"一 eins 一 ein"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

TEST(DecodeTextFile, RefusesBrokenUtf16AndNulBytesWithoutTheUtf16Pattern) {
  const DecodeRow rows[] = {
      {"unpaired surrogate", "\xFF\xFE" + Utf16(u"ab\xD800 c", false), U""},
      {"odd number of bytes", "\xFE\xFF" + Utf16(u"ab", true) + "c", U""},
      {"zeros on both sides", std::string("ab\0\0cd\0\0", 8), U""},
      {"mark then stray bytes only", "\xEF\xBB\xBF" "Gr\xF6\xDF" "e", U""},
  };
  for (const DecodeRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(DecodeTextFile(row.bytes).has_value());
  }
}

TEST(DecodeFileName, ShowsEveryNameReadably) {
  const std::pair<std::string, Text> rows[] = {
      {"\xE4rger.txt", U"ärger.txt"},
      {"\xC3\xA4rger.txt", U"ärger.txt"},
      {"Gr\xC3\xB6\xC3\x9F" "e \xFC.txt", U"Größe ü.txt"},
      {"a\x81.txt", U"a\uFFFD.txt"},
  };
  for (const auto& [bytes, shown] : rows) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(EncodeUtf8(DecodeFileName(bytes)), EncodeUtf8(shown));
  }
}

class LoadEncodingTest : public ::testing::Test {
 protected:
  bool Load(const std::string& bytes) {
    dir.Write("Brief.txt", bytes);
    selection = SelectFile(dir.Directory(), U"Brief.txt");
    return LoadSelectedFile(selection, preview, sheet, ui);
  }

  testing::ScratchDir dir;
  testing::ScriptedUi ui;
  Worksheet sheet;
  FileSelection selection;
  Text preview = U"Text1";
};

// 400 lines of 99 letters: the loading stops after 311 of them.
std::string LongText() {
  std::string file;
  for (int i = 0; i < 400; ++i) file += std::string(99, 'x') + "\r\n";
  return file;
}

TEST_F(LoadEncodingTest, NonTextBytesBehindTheLoadedPartAreIgnored) {
  const std::pair<const char*, std::string> rows[] = {
      {"NUL bytes", std::string("\0\0\0binary\0", 10)},
      {"byte without a character", "\x81\x8D"},
      {"control byte", "\x01\x02"},
  };
  Text expected;
  for (int i = 0; i < 311; ++i) expected += Text(99, U'x') + U" ";
  expected.pop_back();
  for (const auto& [name, tail] : rows) {
    SCOPED_TRACE(name);
    preview = U"Text1";
    ui.AnswerMessage(kAnswerYes);
    ASSERT_TRUE(Load(LongText() + tail));
    EXPECT_EQ(preview, expected);
  }
}

TEST_F(LoadEncodingTest, NulByteInsideTheLoadedPartRefusesTheFile) {
  ui.AnswerMessage(kAnswerYes).AnswerMessage();
  std::string file = LongText();
  file[30000] = '\0';
  EXPECT_FALSE(Load(file));
  EXPECT_EQ(ui.Shown().at(1).title, U"Dateifehler");
  EXPECT_EQ(preview, U"Text1");
}

TEST_F(LoadEncodingTest, BrokenUtf16NamesTheReasonUnderTheLoadError) {
  const std::pair<const char*, std::string> rows[] = {
      {"with a mark", "\xFF\xFE" + Utf16(u"Hallo \xDC00 Welt", false)},
      {"without a mark", Utf16(std::u16string(u"Hallo Welt ") + u'\0' + u"Ende", false)},
  };
  const Text loadError = U"BRIEF.TXT\n\r--------------------------------------\n\r"
                         U"Dateifehler beim Laden!\n\rText wird nicht geladen!\n\r";
  const Text reasons[] = {
      U"Die Datei ist als UTF-16 gespeichert, enthält aber Zeichen, die kein Text sind.",
      U"Die Datei sieht nach UTF-16 ohne Kennung aus (Nullbytes), lässt sich so aber nicht als Text lesen.",
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].first);
    ui.AnswerMessage();
    EXPECT_FALSE(Load(rows[i].second));
    ExpectBox(ui, i, loadError + reasons[i], U"Dateifehler", style::kOkStop);
    EXPECT_EQ(preview, U"Text1");
  }
}

}  // namespace
}  // namespace tesmoran
