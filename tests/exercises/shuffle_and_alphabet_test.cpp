// Shuffled words, the alphabet order, the letter numbers and the random source.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "exercises/CharacterSets.h"
#include "exercises/Random.h"
#include "exercises/ShuffleAndAlphabet.h"

namespace tesmoran {
namespace {

// Hands out the given draws in turn and counts them.
struct Draws {
  std::vector<double> values;
  std::size_t used = 0;
  RandomDraw Source() {
    return [this] { return values.at(used++ % values.size()); };
  }
};

TEST(ShuffleWord, TakesTheDrawnPositionsOfTheRest) {
  Draws draws{{0.6, 0.1, 0.9, 0.2}};
  EXPECT_EQ(ShuffleWord(U"Hund", draws.Source()), U"nHdu");
  EXPECT_EQ(draws.used, 4u);
}

struct DrawCountCase {
  Text word;
  std::size_t draws;
};

class ShuffleDraws : public ::testing::TestWithParam<DrawCountCase> {};

TEST_P(ShuffleDraws, UsesOneDrawPerCharacterAndOneForTheEmptyWord) {
  Draws draws{{0.5}};
  Text shuffled = ShuffleWord(GetParam().word, draws.Source());
  EXPECT_EQ(draws.used, GetParam().draws);
  Text sortedBefore = GetParam().word;
  std::sort(sortedBefore.begin(), sortedBefore.end());
  std::sort(shuffled.begin(), shuffled.end());
  EXPECT_EQ(shuffled, sortedBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShuffleDraws,
                         ::testing::Values(DrawCountCase{U"", 1}, DrawCountCase{U"a", 1},
                                           DrawCountCase{U"Straße", 6}, DrawCountCase{Text(64, U'x'), 64},
                                           DrawCountCase{Text(65, U'y'), 65}));

TEST(ShuffleWord, ADrawJustBelowOneTakesTheLastCharacter) {
  Draws draws{{0.9999999999999999}};
  EXPECT_EQ(ShuffleWord(U"abc", draws.Source()), U"cba");
}

// The drawing without replacement, one character at a time.
Text ShuffleByRemoval(Text rest, const std::vector<double>& values) {
  Text out;
  std::size_t k = 0;
  while (!rest.empty()) {
    const auto p = static_cast<std::size_t>(values[k++ % values.size()] * static_cast<double>(rest.size()));
    out.push_back(rest[p]);
    rest.erase(p, 1);
  }
  return out;
}

TEST(ShuffleWord, LongWordsDrawLikeShortOnes) {
  std::vector<double> values;
  for (int i = 0; i < 97; ++i) values.push_back((i * 37 % 97) / 97.0);
  for (std::size_t length : {63u, 64u, 65u, 200u, 1000u}) {
    Text word;
    for (std::size_t i = 0; i < length; ++i) word.push_back(static_cast<Char>(U'A' + i % 50));
    Draws draws{values};
    EXPECT_EQ(ShuffleWord(word, draws.Source()), ShuffleByRemoval(word, values)) << length;
  }
}

TEST(ShuffleWord, EveryOrderOfAFourLetterWordCanComeOut) {
  ResetRandomForTesting();
  std::set<Text> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(ShuffleWord(U"Hund"));
  EXPECT_EQ(seen.size(), 24u);
}

TEST(ShuffleWords, ShufflesWithinEveryWordAndKeepsTheDelimiters) {
  ResetRandomForTesting();
  const Text text = U"Der Hund, die Katze.  Äpfel!";
  const Text shuffled = ShuffleWords(text);
  ASSERT_EQ(shuffled.size(), text.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool wordEnds = i == text.size() || IsWordDelimiter(text[i]);
    if (!wordEnds) continue;
    if (i < text.size()) {
      EXPECT_EQ(shuffled[i], text[i]);
    }
    Text a = text.substr(start, i - start);
    Text b = shuffled.substr(start, i - start);
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);
    start = i + 1;
  }
}

TEST(RandomSource, StaysInTheUnitIntervalAndRepeatsAfterAReset) {
  ResetRandomForTesting();
  std::vector<double> first;
  for (int i = 0; i < 1000; ++i) {
    const double r = NextRandom();
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
    first.push_back(r);
  }
  ResetRandomForTesting();
  for (double expected : first) EXPECT_EQ(NextRandom(), expected);
  EXPECT_GT(std::set<double>(first.begin(), first.end()).size(), 990u);
}

struct AlphabetCase {
  Text word;
  Text sorted;
  Text numbers;
};

class Alphabet : public ::testing::TestWithParam<AlphabetCase> {};

TEST_P(Alphabet, SortsTheLettersIntoTheAlphabetOrder) {
  EXPECT_EQ(SortWordByAlphabet(GetParam().word), GetParam().sorted);
}

TEST_P(Alphabet, NumbersEveryCharacter) { EXPECT_EQ(NumberWordLetters(GetParam().word), GetParam().numbers); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Alphabet,
    ::testing::Values(AlphabetCase{U"", U"", U""},
                      AlphabetCase{U"Hund", U"dHnu", U"8+21+14+4"},
                      AlphabetCase{U"Bäume", U"äBemu", U"2+1+21+13+5"},
                      AlphabetCase{U"Straße", U"aerSßt", U"19+20+18+1+19+5"},
                      AlphabetCase{U"Öl-Fass", U"aFlÖss", U"15+12+0+6+1+19+19"},
                      AlphabetCase{U"Café", U"aCf", U"3+1+6+0"},
                      AlphabetCase{U"sSßaAäÄ", U"AaÄäSsß", U"19+19+19+1+1+1+1"},
                      AlphabetCase{U"ÜüUuzZ", U"UuÜüZz", U"21+21+21+21+26+26"},
                      AlphabetCase{U"\r\n3", U"", U"0+0+0"},
                      // Outside code page 1252 nothing has a number, even where a
                      // capital would be a Latin letter (dotless i, long s).
                      AlphabetCase{U"ıſЖ", U"", U"0+0+0"}));

TEST(Alphabet, TheTextFormsWorkWordByWord) {
  EXPECT_EQ(SortWordsByAlphabet(U"Ja, nein."), U"aJ, einn.");
  EXPECT_EQ(NumberWordsLetters(U"Ja, nein."), U"10+1, 14+5+9+14.");
}

}  // namespace
}  // namespace tesmoran
