// The word scan and the reversal of the word order.
#include <gtest/gtest.h>

#include <algorithm>

#include "exercises/CaseAndReversal.h"
#include "exercises/CharacterSets.h"
#include "exercises/TransformWords.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

Text Sorted(Text t) {
  std::sort(t.begin(), t.end());
  return t;
}

TEST(WordScan, HandsEveryWordToTheTransformationEmptyOnesIncluded) {
  const std::pair<Text, std::vector<Text>> cases[] = {
      {U"", {U""}}, {U"Ja, so.", {U"Ja", U"", U"so", U""}}, {U" a", {U"", U"a"}},
      {U"a.\r\nb c", {U"a", U"\r\nb", U"c"}}, {U"Öl-Fass\t'x' 3", {U"Öl-Fass\t'x'", U"3"}},
      {U"a:b!c?d;e", {U"a", U"b", U"c", U"d", U"e"}},
  };
  for (const auto& [text, words] : cases) {
    std::vector<Text> seen;
    TransformWords(text, [&seen](TextView word, Text&) { seen.emplace_back(word); });
    EXPECT_EQ(seen, words) << EncodeUtf8(text);
  }
}

TEST(ReverseWordOrder, GivesTheWordsLastToFirstLosingNothing) {
  const std::pair<Text, Text> cases[] = {
      {U"", U" "}, {U"Ja, nein.", U". nein, Ja"}, {U" Die Katze miaut.", U". miaut Katze Die "},
      {U"z.B.", U". z.B"}, {U"Das ist z.B. gut", U" gut. z.B ist Das"}, {U"a?!b", U" a?!b"},
      {U"bellt.\r\nDie Katze.", U". Katze bellt.\r\nDie"}, {U"Hm ,", U",  Hm"},
  };
  for (const auto& [sentence, expected] : cases) {
    const Text reversed = ReverseWordOrder(sentence);
    EXPECT_EQ(reversed, expected) << EncodeUtf8(sentence);
    EXPECT_EQ(Sorted(reversed), Sorted(U" " + sentence)) << EncodeUtf8(sentence);
  }
}

// The walk from the end of the sentence with a space in front that moves every
// punctuation mark it meets, also one with characters of its own word behind
// it (those are lost).
Text ReverseMovingEveryMark(const Text& sentence) {
  const Text x = U" " + sentence;
  Text r;
  for (std::size_t p = x.size(), e = x.size(); p-- > 0;) {  // e: one past the word not yet given
    if (IsPunctuationMark(x[p])) r.push_back(x[e = p--]);
    if (x[p] == U' ') { r.append(x.substr(p, e - p)); e = p; }
  }
  return r;
}

TEST(ReverseWordOrder, DiffersFromMovingEveryMarkOnlyWhereThatLosesCharacters) {
  const Text alphabet = U"ab .!,\r?";
  int compared = 0;
  for (unsigned code = 0; code < 8u * 8 * 8 * 8 * 8; ++code) {
    Text sentence;
    for (unsigned rest = code; sentence.size() < 5; rest /= 8) sentence.push_back(alphabet[rest % 8]);
    const Text moved = ReverseMovingEveryMark(sentence);
    if (Sorted(moved) != Sorted(U" " + sentence)) continue;  // moving every mark lost characters
    ++compared;
    ASSERT_EQ(ReverseWordOrder(sentence), moved) << EncodeUtf8(sentence);
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace tesmoran
