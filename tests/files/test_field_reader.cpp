#include <gtest/gtest.h>

#include "files/FieldReader.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

struct JoinCase {
  const char* name;
  Text file;
  Text loaded;
};

class JoinFieldsTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinFieldsTest, JoinsTheFieldsWithOneSpace) {
  const auto joined = JoinFields(GetParam().file);
  ASSERT_TRUE(joined.has_value());
  EXPECT_EQ(EncodeUtf8(*joined), EncodeUtf8(GetParam().loaded));
}

INSTANTIATE_TEST_SUITE_P(
    Files, JoinFieldsTest,
    ::testing::Values(
        JoinCase{"TwoLinesCrLf", U"Der Hund, die Katze\r\nund die Maus.\r\n", U"Der Hund die Katze und die Maus."},
        JoinCase{"LinesEndedByLf", U"eins\nzwei\ndrei", U"eins zwei drei"},
        JoinCase{"LinesEndedByLoneCr", U"eins\rzwei\r", U"eins zwei"},
        JoinCase{"CommaBetweenFields", U"a,b", U"a b"},
        JoinCase{"QuotedFieldKeepsCommas", U"\"a, b, c\",d", U"a, b, c d"},
        JoinCase{"QuotedFieldKeepsItsSpaces", U"\" a \",b", U" a  b"},
        JoinCase{"TextAfterClosingQuoteStays", U"\"Halt\" rief er,und", U"Halt rief er und"},
        JoinCase{"UnclosedQuoteIsACharacter", U"\"Hallo, Welt\r\nweiter", U"\"Hallo Welt weiter"},
        JoinCase{"QuoteInsideFieldIsACharacter", U"Er sagte \"ja\", gut", U"Er sagte \"ja\" gut"},
        JoinCase{"EmptyLineGivesTwoSpaces", U"Absatz eins\r\n\r\nAbsatz zwei\r\n", U"Absatz eins  Absatz zwei"},
        JoinCase{"DoubleCommaGivesEmptyField", U"a,,b", U"a  b"},
        JoinCase{"SpacesBeforeFieldSkipped", U"a,    b\r\n   c", U"a b c"},
        JoinCase{"SpacesAfterFieldDropped", U"Hallo   \r\nWelt  ,x", U"Hallo Welt x"},
        JoinCase{"TabsStayInTheField", U"\ta\tb", U"\ta\tb"},
        JoinCase{"NoTrailingSpaceAfterLastLine", U"Ende.\r\n", U"Ende."},
        JoinCase{"TrailingCommaStartsNoField", U"a,", U"a"},
        JoinCase{"OnlySpacesGiveEmptyText", U"    ", U""},
        JoinCase{"UmlautsUntouched", U"Äpfel, Öl, Übermut, groß", U"Äpfel Öl Übermut groß"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinFields, EmptyTextYieldsNoField) { EXPECT_FALSE(JoinFields(U"").has_value()); }

TEST(JoinFields, StopsOnceTheTextIsLongerThanTheLimit) {
  // Fields of nine letters: each adds ten characters with its space.
  Text file;
  for (int i = 0; i < 10; ++i) file += U"abcdefghi,";
  const auto joined = JoinFields(file, 25);
  ASSERT_TRUE(joined.has_value());
  // Three fields make 30 > 25 characters; the space after the last goes.
  EXPECT_EQ(joined->size(), 29u);
}

TEST(JoinFields, FieldThatReachesTheLimitExactlyReadsOn) {
  const auto joined = JoinFields(U"abcd,efgh,ijkl", 10);
  ASSERT_TRUE(joined.has_value());
  // "abcd efgh " is exactly 10 characters: not yet over the limit.
  EXPECT_EQ(*joined, U"abcd efgh ijkl");
}

TEST(FieldReader, ReportsEachFieldSeparately) {
  FieldReader reader(U"  eins,\"zw,ei\"\r\n\r\ndrei");
  std::vector<Text> fields;
  while (!reader.AtEnd()) fields.push_back(reader.Next());
  EXPECT_EQ(fields, (std::vector<Text>{U"eins", U"zw,ei", U"", U"drei"}));
}

}  // namespace
}  // namespace tesmoran
