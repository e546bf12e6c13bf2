#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "files/FieldReader.h"
#include "files/TextFileDecoding.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

TEST(JoinFields, JoinsTheFieldsOfAllLinesWithOneSpace) {
  const std::pair<Text, Text> cases[] = {  // file, loaded text
      {U"Der Hund, die Katze\r\nund die Maus.\r\n", U"Der Hund die Katze und die Maus."},
      {U"eins\nzwei\rdrei\r", U"eins zwei drei"},
      {U"a,b", U"a b"},
      {U"\"a, b, c\",d", U"a, b, c d"},
      {U"\" a \",b", U" a  b"},
      {U"\"Halt\" rief er,und", U"Halt rief er und"},
      {U"\"Hallo, Welt\r\nweiter", U"\"Hallo Welt weiter"},
      {U"Er sagte \"ja\", gut", U"Er sagte \"ja\" gut"},
      {U"Absatz eins\r\n\r\nAbsatz zwei\r\n", U"Absatz eins  Absatz zwei"},
      {U"a,,b", U"a  b"},
      {U"a,    b\r\n   c", U"a b c"},
      {U"Hallo   \r\nWelt  ,x", U"Hallo Welt x"},
      {U"\ta\tb", U"\ta\tb"},
      {U"a,", U"a"},
      {U"    ", U""},
  };
  for (const auto& [file, loaded] : cases) {
    const std::optional<Text> joined = JoinFields(file);
    ASSERT_TRUE(joined.has_value()) << EncodeUtf8(file);
    EXPECT_EQ(EncodeUtf8(*joined), EncodeUtf8(loaded));
  }
  EXPECT_FALSE(JoinFields(U"").has_value());
}

TEST(JoinFields, StopsWithTheFieldThatGoesOverTheLimit) {
  // "abcd efgh " is exactly 10 characters: not over the limit yet.
  EXPECT_EQ(JoinFields(U"abcd,efgh,ijkl", 10), U"abcd efgh ijkl");
  EXPECT_EQ(JoinFields(U"abcd,efgh,ijkl,mnop", 12), U"abcd efgh ijkl");
}

TEST(DecodeTextFile, ReadsCodePageOrUtf8AndRefusesBinaries) {
  struct Case {
    std::string bytes;
    bool cutShort;
    std::optional<Text> text;
  };
  const Case cases[] = {
      {"5 \x80 \x84" "a\x93", false, U"5 € „a“"},
      {"\xEF\xBB\xBF" "\xC3\xA4", false, U"ä"},
      {"\xEF\xBB\xBF\xF6", false, std::nullopt},
      {"ab\x01", false, std::nullopt},
      {"ab\x81", false, std::nullopt},
      {"a\tb\x0C", false, U"a\tb\f"},
      {"Ende\r\n\x1A", false, U"Ende\r\n"},
      {"\x89PNG\r\n\x1A\n\x01", false, std::nullopt},
      {"Stra\xC3\x9F" "e \xC3", true, U"Straße "},
      {"Stra\xDF" "e", true, U"Straße"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::optional<Text> text = DecodeTextFile(c.bytes, c.cutShort);
    ASSERT_EQ(text.has_value(), c.text.has_value());
    if (text) {
      EXPECT_EQ(EncodeUtf8(*text), EncodeUtf8(*c.text));
    }
  }
}

}  // namespace
}  // namespace tesmoran
