// SPDX-License-Identifier: GPL-3.0-or-later
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
  const char* name;
  Text input;
  Text expected;
};

// Every row through one transformation; a failure names its row.
void ExpectRows(const Transform& transform, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(transform(row.input), row.expected);
  }
}

Transform LetterGaps(bool second) { return [second](TextView t) { return GapEveryOtherLetter(t, second); }; }
Transform WordGaps(bool second) { return [second](TextView t) { return GapEveryOtherWord(t, second); }; }
Transform Chosen(Text letters) { return [letters](TextView t) { return GapChosenLetters(t, letters); }; }
Transform Hide(bool choice) { return [choice](TextView t) { return HideFirstLetters(t, choice); }; }
Transform HideEntry(bool choice) { return [choice](TextView t) { return HideFirstLettersOfEntry(t, choice); }; }

TEST(LueckenWoerter, GapsEveryOtherCharacterWhateverItIs) {
  ExpectRows(LetterGaps(false), {{"empty word", U"", U""}, {"umlauts, ß, hyphen and digit", U"Äßö-3", U"_ß_-_"}});
  ExpectRows(LetterGaps(true), {{"from the second, umlauts and digit", U"Äßö-3", U"Ä_ö_3"}, {"one letter", U"a", U"a"}});
}

TEST(Wortrahmen, KeepsOnlyTheFirstAndLastCharacter) {
  ExpectRows(FrameWord, {{"empty word", U"", U""},
                         {"two letters", U"ab", U"ab"},
                         {"umlaut, hyphen and ß", U"Öl-Faß", U"Ö____ß"},
                         {"line break in front", U"\r\nWir", U"\r___r"}});
}

TEST(Buchstaben, GapsExactlyTheChosenCharacters) {
  ExpectRows(Chosen(U"a"), {{"a is not ä", U"Bär Bar", U"Bär B_r"}});
  ExpectRows(Chosen(U"ä"), {{"ä is not a", U"Bär Bar", U"B_r Bar"}});
  ExpectRows(Chosen(U"ß"), {{"ß is not SS", U"Straße STRASSE", U"Stra_e STRASSE"}});
  ExpectRows(Chosen(U" ."), {{"space and full stop", U"a b.c", U"a_b_c"}});
  ExpectRows(Chosen(U"€€3"), {{"repeated euro sign and digit", U"5 € und 3 €", U"5 _ und _ _"}});
  ExpectRows(Chosen(U"\n"), {{"line feed", U"a\r\nb", U"a\r_b"}});
}

TEST(Lueckentext, SwitchesAtEveryDelimiterButTheSecondInARow) {
  ExpectRows(WordGaps(true), {{"empty text", U"", U""},
                              {"two full stops", U"a.. b", U"a.__ b"},
                              {"three full stops", U"a... b", U"a.__. b"}});
  ExpectRows(WordGaps(false), {{"umlaut blanked", U"ä", U"__"}});
}

TEST(NurErstletter, ShowsWordStartsAndTwoUnderscoresPerHiddenCharacter) {
  ExpectRows(KeepFirstLetters, {{"delimiter first", U".a", U".__"},
                                {"hyphen and quotes inside words", U"a-b \"c\"", U"a____ \"____"},
                                {"character after a tab", U"a\tb c", U"a__ c"},
                                {"ß and umlaut", U"ß üb", U"ß ü__"}});
}

TEST(NurErstletter, OnAnEntryUsesOneUnderscoreAndNoDelimiters) {
  ExpectRows(KeepFirstLettersOfEntry, {{"entry with a space", U"a b", U"a__"}});
}

TEST(OhneErstletter, HidesEveryWordStart) {
  ExpectRows(Hide(false), {{"empty text", U"", U"_"},
                           {"hyphen and quotes inside words", U"a-b \"c\"", U"_-b _c\""},
                           {"character after a tab", U"a\tb c", U"_\t _"}});
  ExpectRows(Hide(true), {{"empty text with choice", U"", U"()"},
                          {"delimiter first", U".a", U"(..)a"},
                          {"ß and umlaut", U"ß üb", U"(ßß) (Üü)b"},
                          {"two spaces", U"a  b", U"(Aa)  (Bb)"}});
}

TEST(OhneErstletter, OnAnEntryHidesOnlyItsFirstCharacter) {
  ExpectRows(HideEntry(false), {{"empty entry", U"", U"_"}});
  ExpectRows(HideEntry(true), {{"entry with a space", U"a b", U"(Aa) b"}, {"umlaut", U"äpfel", U"(Ää)pfel"}});
}

TEST(CaseChoice, PairsTheCode1252CapitalAndSmallForm) {
  ExpectRows([](TextView t) { return CaseChoice(t.front()); },
             {{"ß has one form", U"ß", U"(ßß)"}, {"accented e", U"é", U"(Éé)"}, {"y with diaeresis", U"ÿ", U"(Ÿÿ)"}});
}

TEST(Selbstlaute, KeepsVowelsAndDelimitersAndDropsOtherCharacters) {
  ExpectRows(ShowVowels, {{"every class", U"ÄäÖöÜü ßSsYy .,;:!?", U"ÄäÖöÜü _____ .,;:!?"},
                          {"only other characters", U"éÉ-'\"3\t€", U""}});
}

TEST(Mitlaute, KeepsConsonantsAndDelimitersAndDropsOtherCharacters) {
  ExpectRows(ShowConsonants, {{"every class", U"ÄäÖöÜü ßSsYy .,;:!?", U"______ ßSsYy .,;:!?"},
                              {"only other characters", U"éÉ-'\"3\t€", U""}});
}

TEST(MitSelWoerter, MarksVowelsSAndEverythingButDelimitersM) {
  ExpectRows(MarkConsonantsAndVowels, {{"every class", U"ÄäÖöÜü ßSsYy .,;:!?", U"SSSSSS MMMMM .,;:!?"},
                                       {"only other characters", U"éÉ-'\"3\t€", U"MMMMMMMM"}});
}

TEST(AbcWoerter, SortsByTheGermanAlphabetAndDropsTheRest) {
  ExpectRows(SortWordByAlphabet, {{"a, ä, s and ß", U"sSßaAäÄ", U"AaÄäSsß"},
                                  {"u, ü and z", U"ÜüUuzZ", U"UuÜüZz"},
                                  {"line break and digit", U"\r\n3", U""}});
}

TEST(AbcNrWoerter, NumbersTheLettersWithUmlautsFolded) {
  ExpectRows(NumberWordLetters, {{"a, ä, s and ß", U"sSßaAäÄ", U"19+19+19+1+1+1+1"},
                                 {"u, ü and z", U"ÜüUuzZ", U"21+21+21+21+26+26"},
                                 {"empty word", U"", U""},
                                 // Outside code page 1252 nothing has a number, even where a capital
                                 // would be a Latin letter (dotless i, long s).
                                 {"outside code page 1252", U"ıſЖ\r", U"0+0+0+0"}});
}

TEST(Umkehrsatz, ReversesTheWordsOfEachSentence) {
  ExpectRows(ReverseSentenceWordOrder, {{"no space between sentences", U"Ja.Nein.", U". Ja. Nein"},
                                        {"two full stops", U"Ja..", U". Ja. "},
                                        {"two question marks", U"Hm?? Ja.", U"? Hm. Ja? "},
                                        {"comma and semicolon", U"a, b; c", U" c; b, a"},
                                        {"empty text", U"", U""}});
}

TEST(Rueckwaertssatz, ReversesEachSentenceCharacterByCharacter) {
  ExpectRows(ReverseEachSentence, {{"no space between sentences", U"Ja.Nein.", U".aJ.nieN"},
                                   {"two question marks", U"Hm?? Ja.", U"?mH.aJ ?"},
                                   {"colon skips the space", U"a: b", U":ab "}});
}

TEST(Bandwurmtext, DropsEverySpaceThatIsNotSteppedOver) {
  ExpectRows(JoinWords, {{"three spaces", U"a   b", U"a b"},
                         {"four spaces", U"a    b", U"a  b"},
                         {"leading space", U" a", U"a"},
                         {"two trailing spaces", U"a  ", U"a "},
                         {"line break before a space", U"a.\r\n b", U"a.\r\nb"},
                         {"empty text", U"", U""}});
}

TEST(Grossletter, UpperCasesTheCode1252Pairs) {
  ExpectRows(UpperCaseText, {{"umlaut, accent, ÿ and š", U"Öl, Café 3\r\nÿŸšŠ", U"ÖL, CAFÉ 3\r\nŸŸŠŠ"}});
}

TEST(Kleinletter, LowerCasesTheCode1252Pairs) {
  ExpectRows(LowerCaseText, {{"umlaut, accent, Ÿ and Š", U"Öl, Café 3\r\nÿŸšŠ", U"öl, café 3\r\nÿÿšš"}});
}

Text Sorted(Text t) {
  std::sort(t.begin(), t.end());
  return t;
}

TEST(WordScan, HandsEveryWordToTheTransformationEmptyOnesIncluded) {
  const struct {
    const char* name;
    Text text;
    std::vector<Text> words;
  } rows[] = {
      {"empty text", U"", {U""}},
      {"comma and full stop", U"Ja, so.", {U"Ja", U"", U"so", U""}},
      {"leading space", U" a", {U"", U"a"}},
      {"line break after a delimiter", U"a.\r\nb c", {U"a", U"\r\nb", U"c"}},
      {"hyphen, tab and quotes", U"Öl-Fass\t'x' 3", {U"Öl-Fass\t'x'", U"3"}},
      {"every other delimiter", U"a:b!c?d;e", {U"a", U"b", U"c", U"d", U"e"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Text> seen;
    TransformWords(row.text, [&seen](TextView word, Text&) { seen.emplace_back(word); });
    EXPECT_EQ(seen, row.words);
  }
}

TEST(ReverseWordOrder, GivesTheWordsLastToFirstLosingNothing) {
  const struct {
    const char* name;
    Text sentence, expected;
  } rows[] = {
      {"empty sentence", U"", U" "},
      {"comma and full stop", U"Ja, nein.", U". nein, Ja"},
      {"leading space", U" Die Katze miaut.", U". miaut Katze Die "},
      {"marks inside a word", U"z.B.", U". z.B"},
      {"abbreviation inside a sentence", U"Das ist z.B. gut", U" gut. z.B ist Das"},
      {"two marks inside a word", U"a?!b", U" a?!b"},
      {"line break after a mark", U"bellt.\r\nDie Katze.", U". Katze bellt.\r\nDie"},
      {"comma after a space", U"Hm ,", U",  Hm"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Text reversed = ReverseWordOrder(row.sentence);
    EXPECT_EQ(reversed, row.expected);
    EXPECT_EQ(Sorted(reversed), Sorted(U" " + row.sentence));
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
    const char* name;
    Text word;
    std::vector<double> draws;
    Text expected;
    std::size_t used;
  } rows[] = {
      {"worked example", U"Hund", {0.6, 0.1, 0.9, 0.2}, U"nHdu", 4},
      {"draws just below one", U"abc", {0.9999999999999999}, U"cba", 3},
      {"empty word", U"", {0.5}, U"", 1},
      {"one letter", U"ß", {0.3}, U"ß", 1},
      {"always the middle", U"Straße", {0.5}, U"arßteS", 6},
      // Words longer than 64 characters draw the same way.
      {"65 characters", longWord.substr(0, 65), {0.7, 0.2, 0.4}, ShuffleByRemoval(longWord.substr(0, 65), {0.7, 0.2, 0.4}),
       65},
      {"1000 characters", longWord, {0.3, 0.9}, ShuffleByRemoval(longWord, {0.3, 0.9}), 1000},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::size_t used = 0;  // the draws are handed out in turn
    EXPECT_EQ(ShuffleWord(row.word, [&] { return row.draws.at(used++ % row.draws.size()); }), row.expected);
    EXPECT_EQ(used, row.used);
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
