#include <gtest/gtest.h>

#include <vector>

#include "WordListFixtures.h"
#include "wordlist/WordScan.h"

namespace tesmoran {
namespace {

using testing::Show;

struct CleanCase {
  const char* name;
  Text token;
  Text word;
};

class CleanTokenTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanTokenTest, DropsControlCharactersAndWordPunctuation) {
  const CleanCase& c = GetParam();
  EXPECT_EQ(CleanToken(c.token), c.word) << Show(c.token);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, CleanTokenTest,
    ::testing::Values(
        CleanCase{"FullStop", U"Hund.", U"Hund"},
        CleanCase{"Hyphen", U"Öl-Fass", U"ÖlFass"},
        CleanCase{"Apostrophe", U"geht's", U"gehts"},
        CleanCase{"DigitsAndBracketsStay", U"(3)", U"(3)"},
        CleanCase{"AllElevenMarks", U"a:b.c!d?e,f;g´h`i'j-k\"l", U"abcdefghijkl"},
        CleanCase{"OnlyMarks", U"-", U""},
        CleanCase{"QuotedWord", U"\"Hallo!\"", U"Hallo"},
        CleanCase{"LineBreakJoins", U"bellt.\r\nDie", U"belltDie"},
        CleanCase{"TabAndControlCharacters", U"\ta\x01" U"b\x1f", U"ab"},
        CleanCase{"CaseAndUmlautsStay", U"ÄÖÜäöüß", U"ÄÖÜäöüß"},
        CleanCase{"TypographicQuotesStay", U"„Hallo“", U"„Hallo“"},
        CleanCase{"DeleteAndNoBreakSpaceStay", U"a\x7F\u00A0b", U"a\x7F\u00A0b"},
        CleanCase{"OutsideCodePageKeptLikeLetters", U"Łódź–Ω", U"Łódź–Ω"}),
    [](const ::testing::TestParamInfo<CleanCase>& info) { return info.param.name; });

struct ScanCase {
  const char* name;
  Text text;
  std::vector<Text> words;
};

class WordScannerTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(WordScannerTest, GivesTheCleanedTokensInTextOrder) {
  const ScanCase& c = GetParam();
  WordScanner scanner(c.text);
  std::vector<Text> words;
  Text word;
  while (scanner.Next(word)) words.push_back(word);
  EXPECT_EQ(words, c.words) << Show(words);
  EXPECT_FALSE(scanner.Next(word)) << "the scan must stay at its end";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WordScannerTest,
    ::testing::Values(
        ScanCase{"WorkedExample",
                 U"Der Hund bellt. Der hund, der Hund!",
                 {U"Der", U"Hund", U"bellt", U"Der", U"hund", U"der", U"Hund"}},
        ScanCase{"SingleWord", U"Hund", {U"Hund"}},
        ScanCase{"RunsOfSpaces", U"  a   b ", {U"a", U"b"}},
        ScanCase{"TrailingSpacesGiveNoWord", U"a   ", {U"a"}},
        ScanCase{"SpacesOnlyGiveOneEmptyWord", U"   ", {U""}},
        ScanCase{"LoneDashGivesEmptyWord", U"Hund - Katze", {U"Hund", U"", U"Katze"}},
        ScanCase{"LineBreakIsNoSeparator", U"bellt.\r\nDie Katze", {U"belltDie", U"Katze"}},
        ScanCase{"SpaceBeforeLineBreakSeparates", U"bellt. \r\nDie", {U"bellt", U"Die"}},
        ScanCase{"TabIsNoSeparator", U"a\tb c", {U"ab", U"c"}}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tesmoran
