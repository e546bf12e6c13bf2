#include <gtest/gtest.h>

#include <optional>
#include <tuple>
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
      {U"\"a, b, c\",d,,e", U"a, b, c d  e"},
      {U"\" a \",\"Halt\" rief er", U" a  Halt rief er"},
      {U"\"Hallo, Welt\r\nweiter", U"\"Hallo Welt weiter"},
      {U"Er sagte \"ja\", gut", U"Er sagte \"ja\" gut"},
      {U"Absatz eins\r\n\r\nAbsatz zwei\r\n", U"Absatz eins  Absatz zwei"},
      {U"a,    b  \r\n   c,", U"a b c"},
      {U"\ta\tb", U"\ta\tb"},
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
  const std::tuple<std::string, bool, std::optional<Text>> cases[] = {  // bytes, cut short, text
      {"5 \x80 \x84" "a\x93", false, U"5 € „a“"},
      {"\xEF\xBB\xBF\xF6", false, std::nullopt},
      {"ab\x01", false, std::nullopt},
      {"ab\x81", false, std::nullopt},
      {"a\tb\x0C" "Ende\r\n\x1A", false, U"a\tb\fEnde\r\n"},
      {"\x89PNG\r\n\x1A\n", false, std::nullopt},
      {"Stra\xC3\x9F" "e \xC3", true, U"Straße "},
      {"Stra\xDF" "e", true, U"Straße"},
  };
  for (const auto& [bytes, cutShort, expected] : cases) {
    const std::optional<Text> text = DecodeTextFile(bytes, cutShort);
    ASSERT_EQ(text.has_value(), expected.has_value()) << bytes;
    if (text) {
      EXPECT_EQ(EncodeUtf8(*text), EncodeUtf8(*expected));
    }
  }
}

}  // namespace
}  // namespace tesmoran
