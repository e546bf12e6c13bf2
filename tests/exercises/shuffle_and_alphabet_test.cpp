// Shuffled words and the random source (the text form: see the button tests).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

TEST(ShuffleWord, DrawsWithoutReplacementOneDrawPerCharacterAndOneForTheEmptyWord) {
  Text longWord;
  for (std::size_t i = 0; i < 1000; ++i) longWord.push_back(static_cast<Char>(U'A' + i % 50));
  const struct {
    Text word;
    std::vector<double> draws;
    Text expected;
    std::size_t used;
  } cases[] = {
      {U"Hund", {0.6, 0.1, 0.9, 0.2}, U"nHdu", 4}, {U"abc", {0.9999999999999999}, U"cba", 3},
      {U"", {0.5}, U"", 1}, {U"ß", {0.3}, U"ß", 1}, {U"Straße", {0.5}, ShuffleByRemoval(U"Straße", {0.5}), 6},
      // Words longer than 64 characters draw the same way.
      {longWord.substr(0, 65), {0.7, 0.2, 0.4}, ShuffleByRemoval(longWord.substr(0, 65), {0.7, 0.2, 0.4}), 65},
      {longWord, {0.3, 0.9}, ShuffleByRemoval(longWord, {0.3, 0.9}), 1000},
  };
  for (const auto& c : cases) {
    Draws draws{c.draws};
    EXPECT_EQ(ShuffleWord(c.word, draws.Source()), c.expected) << c.word.size();
    EXPECT_EQ(draws.used, c.used) << c.word.size();
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
