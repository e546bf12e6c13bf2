// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not plain code page 1252: UTF-8 with stray bytes, UTF-16,
// and non-text bytes behind the part that is loaded.
#include <gtest/gtest.h>

#include <string>

#include "FilesTestSupport.h"
#include "files/FileLoading.h"
#include "files/TextFileDecoding.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

// The bytes of a UTF-16 text, written out unit by unit.
std::string Utf16(std::u16string_view units, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
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
  EXPECT_EQ(EncodeUtf8(DecodeTextFile(row.bytes).value_or(U"(refused)")), EncodeUtf8(row.text));
}

// "Mostly": more valid UTF-8 sequences than stray bytes among the non-ASCII
// characters.
TEST(DecodeTextFile, MostlyUtf8TakesStrayBytesAsCodePage1252) {
  const DecodeRow rows[] = {
      {"one stray byte",
       "Gr\xC3\xB6\xC3\x9F"
       "e f\xFCr",
       U"Größe für"},
      {"three valid, two stray", "\xC3\xA4\xC3\xB6\xC3\xBC \xE4\xF6", U"äöü äö"},
      {"two valid, two stray: code page", "\xC3\xA4\xC3\xB6 \xE4\xF6", U"Ã¤Ã¶ äö"},
      {"cut sequence at the end", "\xC3\xA4\xC3\xB6 Ende\xC3", U"äö EndeÃ"},
      {"stray continuation byte", "\xC3\xA4\xC3\xB6 \x80", U"äö €"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

TEST(DecodeTextFile, Utf16WithAMarkOrToldByItsZeroBytes) {
  const std::u16string chinese = u"Der \u4E2D\u6587 Text \xD83D\xDE00 \u00FC";
  const DecodeRow rows[] = {
      {"mark, little endian", "\xFF\xFE" + Utf16(chinese, false), U"Der 中文 Text 😀 ü"},
      {"mark, big endian", "\xFE\xFF" + Utf16(chinese, true), U"Der 中文 Text 😀 ü"},
      {"mark, end marks dropped", "\xFF\xFE" + Utf16(u"ab\x1A\x1A", false), U"ab"},
      {"no mark, little endian", Utf16(u"Hallo,\r\n\u00C4rger", false), U"Hallo,\r\nÄrger"},
      {"no mark, big endian", Utf16(u"Hallo Welt", true), U"Hallo Welt"},
      {"no mark, some zero low bytes", Utf16(u"\u4E00 eins \u4E00 ein", false), U"一 eins 一 ein"},
      {"zeros on both sides", std::string("ab\0\0cd\0\0", 8), U"(refused)"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

// Without a mark and without zero bytes, UTF-16 is told by its characters;
// an eight-bit text, however it reads as units, stays what it is.
TEST(DecodeTextFile, Utf16WithoutZeroBytesToldByItsScript) {
  const std::u16string chinese = u"\u6211\u4EEC\u5B66\u4E60\u4E2D\u6587\u3002\u4ECA\u5929\u5929\u6C14\u5F88\u597D";
  const std::u16string russian = u"\u041F\u0440\u0438\u0432\u0435\u0442\u002C\u043C\u0438\u0440";
  const DecodeRow rows[] = {
      {"Chinese, little endian", Utf16(chinese, false), U"我们学习中文。今天天气很好"},
      {"Chinese, big endian", Utf16(chinese, true), U"我们学习中文。今天天气很好"},
      {"Russian, little endian", Utf16(russian, false), U"Привет,мир"},
      {"Korean, big endian", Utf16(u"\uC548\uB155\uD558\uC138\uC694 \uCE5C\uAD6C\uB4E4", true), U"안녕하세요 친구들"},
      {"German in code page 1252",
       "Gr\xFC\xDF"
       "e aus K\xF6ln und \xC4rger",
       U"Grüße aus Köln und Ärger"},
      {"umlauts only, code page 1252", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xE4", U"äöüÄÖÜßä"},
      {"short word, code page 1252",
       "\xDC"
       "bel",
       U"Übel"},
  };
  for (const DecodeRow& row : rows) ExpectDecodes(row);
}

using LoadEncodingTest = testing::LoadSelectedFileTest;

// Each field adds 100 characters with its space: 311 fields make 31100 >
// 31000 characters, so the loading stops there and the last space goes.
TEST_F(LoadEncodingTest, LoadingStopsAtTheCharacterLimitAndIgnoresTheBytesBehind) {
  // 400 lines of 99 letters: the loading stops after 311 of them.
  std::string lines;
  Text loaded;
  for (int i = 0; i < 400; ++i) lines += std::string(99, 'x') + "\r\n";
  for (int i = 0; i < 311; ++i) loaded += Text(99, U'x') + U" ";
  loaded.pop_back();
  const std::pair<const char*, std::string> rows[] = {
      {"nothing", ""},
      {"NUL bytes", std::string("\0\0\0binary\0", 10)}, {"unassigned bytes", "\x81\x8D"}, {"controls", "\x01\x02"}};
  for (const auto& [name, tail] : rows) {
    SCOPED_TRACE(name);
    preview = U"Text1";
    ui.AnswerMessage(kAnswerYes);
    ASSERT_TRUE(Load(lines + tail));
    EXPECT_EQ(preview, loaded);
  }
}

TEST_F(LoadEncodingTest, BrokenUtf16NamesTheReasonUnderTheLoadError) {
  const Text error = testing::kLoadError + U"\n\r";
  const std::tuple<const char*, std::string, Text> rows[] = {
      {"mark, unpaired surrogate", "\xFF\xFE" + Utf16(u"Hallo \xDC00 Welt", false),
       U"Die Datei ist als UTF-16 gespeichert, enthält aber Zeichen, die kein Text sind."},
      {"no mark, NUL character", Utf16(std::u16string(u"Hallo Welt ") + u'\0' + u"Ende", false),
       U"Die Datei sieht nach UTF-16 ohne Kennung aus (Nullbytes), lässt sich so aber nicht als Text lesen."},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(std::get<0>(rows[i]));
    ui.AnswerMessage();
    EXPECT_FALSE(Load(std::get<1>(rows[i])));
    testing::ExpectBox(ui, i, error + std::get<2>(rows[i]), U"Dateifehler", style::kOkStop);
    EXPECT_EQ(preview, U"Text1");
  }
}

}  // namespace
}  // namespace tesmoran
