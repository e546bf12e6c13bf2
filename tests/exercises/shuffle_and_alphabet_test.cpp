// Shuffled words and the random source.
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

Text Sorted(Text t) {
  std::sort(t.begin(), t.end());
  return t;
}

TEST(ShuffleWord, TakesTheDrawnPositionsOfTheRest) {
  Draws draws{{0.6, 0.1, 0.9, 0.2}};
  EXPECT_EQ(ShuffleWord(U"Hund", draws.Source()), U"nHdu");
  EXPECT_EQ(draws.used, 4u);
  Draws high{{0.9999999999999999}};
  EXPECT_EQ(ShuffleWord(U"abc", high.Source()), U"cba");
}

TEST(ShuffleWord, KeepsEveryCharacterWithOneDrawPerCharacterAndOneForTheEmptyWord) {
  const std::pair<Text, std::size_t> cases[] = {{U"", 1}, {U"a", 1}, {U"Straße", 6}, {Text(65, U'y'), 65}};
  for (const auto& [word, expectedDraws] : cases) {
    Draws draws{{0.5}};
    EXPECT_EQ(Sorted(ShuffleWord(word, draws.Source())), Sorted(word)) << word.size();
    EXPECT_EQ(draws.used, expectedDraws) << word.size();
  }
  Draws draws{{0.3}};
  EXPECT_EQ(ShuffleWord(U"ß", draws.Source()), U"ß");
}

// The drawing without replacement, one character at a time.
Text ShuffleByRemoval(Text rest, const std::vector<double>& values) {
  Text out;
  for (std::size_t k = 0; !rest.empty(); ++k) {
    const auto p = static_cast<std::size_t>(values[k % values.size()] * static_cast<double>(rest.size()));
    out.push_back(rest[p]);
    rest.erase(p, 1);
  }
  return out;
}

TEST(ShuffleWord, LongWordsDrawLikeShortOnes) {
  std::vector<double> values;
  for (int i = 0; i < 97; ++i) values.push_back((i * 37 % 97) / 97.0);
  for (std::size_t length : {63u, 64u, 65u, 1000u}) {
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
    if (i < text.size() && !IsWordDelimiter(text[i])) continue;
    if (i < text.size()) {
      EXPECT_EQ(shuffled[i], text[i]);
    }
    EXPECT_EQ(Sorted(shuffled.substr(start, i - start)), Sorted(text.substr(start, i - start)));
    start = i + 1;
  }
}

TEST(RandomSource, StaysInTheUnitIntervalAndRepeatsAfterAReset) {
  ResetRandomForTesting();
  std::vector<double> first;
  for (int i = 0; i < 1000; ++i) first.push_back(NextRandom());
  EXPECT_GE(*std::min_element(first.begin(), first.end()), 0.0);
  EXPECT_LT(*std::max_element(first.begin(), first.end()), 1.0);
  EXPECT_GT(std::set<double>(first.begin(), first.end()).size(), 990u);
  ResetRandomForTesting();
  for (double expected : first) EXPECT_EQ(NextRandom(), expected);
}

}  // namespace
}  // namespace tesmoran
