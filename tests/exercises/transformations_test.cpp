// The exercises' text transformations on the cases the worked examples leave
// open (control characters inside words, umlauts and ß, empty words,
// characters outside every set), the word scan, the reversal of the word
// order, the word shuffle and the random source.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "exercises/CaseAndReversal.h"
#include "exercises/CharacterSets.h"
#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "exercises/Random.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "exercises/TransformWords.h"
#include "exercises/VowelsAndConsonants.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using Transform = std::function<Text(TextView)>;

struct Row {
  Transform transform;
  Text input;
  Text expected;
};

Transform LetterGaps(bool second) { return [second](TextView t) { return GapEveryOtherLetter(t, second); }; }
Transform WordGaps(bool second) { return [second](TextView t) { return GapEveryOtherWord(t, second); }; }
Transform Chosen(Text letters) { return [letters](TextView t) { return GapChosenLetters(t, letters); }; }
Transform Hide(bool choice) { return [choice](TextView t) { return HideFirstLetters(t, choice); }; }
Transform HideEntry(bool choice) { return [choice](TextView t) { return HideFirstLettersOfEntry(t, choice); }; }
Text Choice(TextView t) { return CaseChoice(t.front()); }

const std::vector<Row> kRows = {
    {LetterGaps(false), U"", U""}, {LetterGaps(false), U"Äßö-3", U"_ß_-_"}, {LetterGaps(true), U"Äßö-3", U"Ä_ö_3"},
    {LetterGaps(true), U"a", U"a"},
    {FrameWord, U"", U""}, {FrameWord, U"ab", U"ab"}, {FrameWord, U"Öl-Faß", U"Ö____ß"},
    {FrameWord, U"\r\nWir", U"\r___r"},
    {Chosen(U"a"), U"Bär Bar", U"Bär B_r"}, {Chosen(U"ä"), U"Bär Bar", U"B_r Bar"},
    {Chosen(U"ß"), U"Straße STRASSE", U"Stra_e STRASSE"}, {Chosen(U" ."), U"a b.c", U"a_b_c"},
    {Chosen(U"€€3"), U"5 € und 3 €", U"5 _ und _ _"}, {Chosen(U"\n"), U"a\r\nb", U"a\r_b"},
    {Chosen(U"Ω€ЖΩ"), U"ωΩ € жЖ", U"ω_ _ ж_"},
    {WordGaps(true), U"", U""}, {WordGaps(false), U"ä", U"__"}, {WordGaps(true), U"a.. b", U"a.__ b"},
    {WordGaps(true), U"a... b", U"a.__. b"},
    {KeepFirstLetters, U".a", U".__"}, {KeepFirstLetters, U"a-b \"c\"", U"a____ \"____"},
    {KeepFirstLetters, U"a\tb c", U"a__ c"}, {KeepFirstLetters, U"ß üb", U"ß ü__"},
    {Hide(false), U"", U"_"}, {Hide(false), U"a-b \"c\"", U"_-b _c\""}, {Hide(false), U"a\tb c", U"_\t _"},
    {Hide(true), U"", U"()"}, {Hide(true), U".a", U"(..)a"}, {Hide(true), U"ß üb", U"(ßß) (Üü)b"},
    {Hide(true), U"a  b", U"(Aa)  (Bb)"},
    {KeepFirstLettersOfEntry, U"a b", U"a__"}, {HideEntry(false), U"", U"_"}, {HideEntry(true), U"a b", U"(Aa) b"},
    {HideEntry(true), U"äpfel", U"(Ää)pfel"},
    {Choice, U"ß", U"(ßß)"}, {Choice, U"é", U"(Éé)"}, {Choice, U"ÿ", U"(Ÿÿ)"},
    {ShowVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"ÄäÖöÜü _____ .,;:!?"}, {ShowVowels, U"éÉ-'\"3\t€", U""},
    {ShowConsonants, U"ÄäÖöÜü ßSsYy .,;:!?", U"______ ßSsYy .,;:!?"}, {ShowConsonants, U"éÉ-'\"3\t€", U""},
    {MarkConsonantsAndVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"SSSSSS MMMMM .,;:!?"},
    {MarkConsonantsAndVowels, U"éÉ-'\"3\t€", U"MMMMMMMM"},
    {SortWordByAlphabet, U"sSßaAäÄ", U"AaÄäSsß"}, {SortWordByAlphabet, U"ÜüUuzZ", U"UuÜüZz"},
    {SortWordByAlphabet, U"\r\n3", U""},
    {NumberWordLetters, U"sSßaAäÄ", U"19+19+19+1+1+1+1"}, {NumberWordLetters, U"ÜüUuzZ", U"21+21+21+21+26+26"},
    {NumberWordLetters, U"", U""},
    // Outside code page 1252 nothing has a number, even where a capital
    // would be a Latin letter (dotless i, long s).
    {NumberWordLetters, U"ıſЖ\r", U"0+0+0+0"},
    {ReverseSentenceWordOrder, U"Ja.Nein.", U". Ja. Nein"}, {ReverseSentenceWordOrder, U"Ja..", U". Ja. "},
    {ReverseSentenceWordOrder, U"Hm?? Ja.", U"? Hm. Ja? "}, {ReverseSentenceWordOrder, U"a, b; c", U" c; b, a"},
    {ReverseSentenceWordOrder, U"", U""},
    {ReverseEachSentence, U"Ja.Nein.", U".aJ.nieN"}, {ReverseEachSentence, U"Hm?? Ja.", U"?mH.aJ ?"},
    {ReverseEachSentence, U"a: b", U":ab "},
    {JoinWords, U"a   b", U"a b"}, {JoinWords, U"a    b", U"a  b"}, {JoinWords, U" a", U"a"},
    {JoinWords, U"a  ", U"a "}, {JoinWords, U"a.\r\n b", U"a.\r\nb"}, {JoinWords, U"", U""},
    {UpperCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"ÖL, CAFÉ 3\r\nŸŸŠŠ"},
    {LowerCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"öl, café 3\r\nÿÿšš"},
};

TEST(ExerciseTransformation, GivesTheExpectedText) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const Row& row = kRows[i];
    SCOPED_TRACE("row " + std::to_string(i) + " on \"" + EncodeUtf8(row.input) + "\"");
    EXPECT_EQ(row.transform(row.input), row.expected);
  }
}

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
    std::size_t used = 0;  // the draws are handed out in turn
    EXPECT_EQ(ShuffleWord(c.word, [&] { return c.draws.at(used++ % c.draws.size()); }), c.expected) << c.word.size();
    EXPECT_EQ(used, c.used) << c.word.size();
  }
}

TEST(RandomSource, StaysInTheUnitIntervalAndRepeatsAfterAReset) {
  ResetRandomForTesting();
  std::vector<double> first;
  for (int i = 0; i < 1000; ++i) first.push_back(NextRandom());
  const auto [low, high] = std::minmax_element(first.begin(), first.end());
  EXPECT_TRUE(*low >= 0.0 && *high < 1.0) << *low << " " << *high;
  EXPECT_GT(std::set<double>(first.begin(), first.end()).size(), 990u);
  ResetRandomForTesting();
  for (double expected : first) EXPECT_EQ(NextRandom(), expected);
}

}  // namespace
}  // namespace tesmoran
