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

Transform LetterGaps(bool second) { return [second](TextView t) { return GapEveryOtherLetter(t, second); }; }
Transform WordGaps(bool second) { return [second](TextView t) { return GapEveryOtherWord(t, second); }; }
Transform Chosen(Text letters) { return [letters](TextView t) { return GapChosenLetters(t, letters); }; }
Transform Hide(bool choice) { return [choice](TextView t) { return HideFirstLetters(t, choice); }; }
Transform HideEntry(bool choice) { return [choice](TextView t) { return HideFirstLettersOfEntry(t, choice); }; }
Text CaseChoiceOfFirst(TextView t) { return CaseChoice(t.front()); }

// Each row: the exercise and its case, the transformation, the input and
// what it gives.
TEST(Transformations, GiveTheirResultOnTheCasesTheWorkedExamplesLeaveOpen) {
  const struct {
    const char* name;
    Transform transform;
    Text input, expected;
  } rows[] = {
      {"Lücken-Wörter: empty word", LetterGaps(false), U"", U""},
      {"Lücken-Wörter: umlauts, ß, hyphen and digit", LetterGaps(false), U"Äßö-3", U"_ß_-_"},
      {"Lücken-Wörter from the second: umlauts and digit", LetterGaps(true), U"Äßö-3", U"Ä_ö_3"},
      {"Lücken-Wörter from the second: one letter", LetterGaps(true), U"a", U"a"},
      {"Wortrahmen: empty word", FrameWord, U"", U""},
      {"Wortrahmen: two letters", FrameWord, U"ab", U"ab"},
      {"Wortrahmen: umlaut, hyphen and ß", FrameWord, U"Öl-Faß", U"Ö____ß"},
      {"Wortrahmen: line break in front", FrameWord, U"\r\nWir", U"\r___r"},
      {"Buchstaben: a is not ä", Chosen(U"a"), U"Bär Bar", U"Bär B_r"},
      {"Buchstaben: ä is not a", Chosen(U"ä"), U"Bär Bar", U"B_r Bar"},
      {"Buchstaben: ß is not SS", Chosen(U"ß"), U"Straße STRASSE", U"Stra_e STRASSE"},
      {"Buchstaben: space and full stop", Chosen(U" ."), U"a b.c", U"a_b_c"},
      {"Buchstaben: repeated euro sign and digit", Chosen(U"€€3"), U"5 € und 3 €", U"5 _ und _ _"},
      {"Buchstaben: line feed", Chosen(U"\n"), U"a\r\nb", U"a\r_b"},
      // Lückentext switches at every delimiter but the second in a row.
      {"Lückentext: empty text", WordGaps(true), U"", U""},
      {"Lückentext: two full stops", WordGaps(true), U"a.. b", U"a.__ b"},
      {"Lückentext: three full stops", WordGaps(true), U"a... b", U"a.__. b"},
      {"Lückentext: umlaut blanked", WordGaps(false), U"ä", U"__"},
      // Nur Erstletter: word starts and two underscores per hidden character.
      {"Nur Erstletter: delimiter first", KeepFirstLetters, U".a", U".__"},
      {"Nur Erstletter: hyphen and quotes inside words", KeepFirstLetters, U"a-b \"c\"", U"a____ \"____"},
      {"Nur Erstletter: character after a tab", KeepFirstLetters, U"a\tb c", U"a__ c"},
      {"Nur Erstletter: ß and umlaut", KeepFirstLetters, U"ß üb", U"ß ü__"},
      {"Nur Erstletter on an entry: one underscore, no delimiters", KeepFirstLettersOfEntry, U"a b", U"a__"},
      {"Ohne Erstletter: empty text", Hide(false), U"", U"_"},
      {"Ohne Erstletter: hyphen and quotes inside words", Hide(false), U"a-b \"c\"", U"_-b _c\""},
      {"Ohne Erstletter: character after a tab", Hide(false), U"a\tb c", U"_\t _"},
      {"Ohne Erstletter with choice: empty text", Hide(true), U"", U"()"},
      {"Ohne Erstletter with choice: delimiter first", Hide(true), U".a", U"(..)a"},
      {"Ohne Erstletter with choice: ß and umlaut", Hide(true), U"ß üb", U"(ßß) (Üü)b"},
      {"Ohne Erstletter with choice: two spaces", Hide(true), U"a  b", U"(Aa)  (Bb)"},
      {"Ohne Erstletter on an entry: empty entry", HideEntry(false), U"", U"_"},
      {"Ohne Erstletter on an entry: only its first character", HideEntry(true), U"a b", U"(Aa) b"},
      {"Ohne Erstletter on an entry: umlaut", HideEntry(true), U"äpfel", U"(Ää)pfel"},
      {"case choice: ß has one form", CaseChoiceOfFirst, U"ß", U"(ßß)"},
      {"case choice: accented e", CaseChoiceOfFirst, U"é", U"(Éé)"},
      {"case choice: y with diaeresis", CaseChoiceOfFirst, U"ÿ", U"(Ÿÿ)"},
      // Vowels, consonants and delimiters are kept or marked, other characters dropped.
      {"Selbstlaute: every class", ShowVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"ÄäÖöÜü _____ .,;:!?"},
      {"Selbstlaute: only other characters", ShowVowels, U"éÉ-'\"3\t€", U""},
      {"Mitlaute: every class", ShowConsonants, U"ÄäÖöÜü ßSsYy .,;:!?", U"______ ßSsYy .,;:!?"},
      {"Mitlaute: only other characters", ShowConsonants, U"éÉ-'\"3\t€", U""},
      {"Mit-Sel-Wörter: every class", MarkConsonantsAndVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"SSSSSS MMMMM .,;:!?"},
      {"Mit-Sel-Wörter: only other characters", MarkConsonantsAndVowels, U"éÉ-'\"3\t€", U"MMMMMMMM"},
      // The German alphabet; the rest is dropped.
      {"Abc-Wörter: a, ä, s and ß", SortWordByAlphabet, U"sSßaAäÄ", U"AaÄäSsß"},
      {"Abc-Wörter: u, ü and z", SortWordByAlphabet, U"ÜüUuzZ", U"UuÜüZz"},
      {"Abc-Wörter: line break and digit", SortWordByAlphabet, U"\r\n3", U""},
      {"Abc-Nr-Wörter: a, ä, s and ß", NumberWordLetters, U"sSßaAäÄ", U"19+19+19+1+1+1+1"},
      {"Abc-Nr-Wörter: u, ü and z", NumberWordLetters, U"ÜüUuzZ", U"21+21+21+21+26+26"},
      {"Abc-Nr-Wörter: empty word", NumberWordLetters, U"", U""},
      // Outside code page 1252 nothing has a number, even where a capital
      // would be a Latin letter (dotless i, long s).
      {"Abc-Nr-Wörter: outside code page 1252", NumberWordLetters, U"ıſЖ\r", U"0+0+0+0"},
      {"Umkehrsatz: no space between sentences", ReverseSentenceWordOrder, U"Ja.Nein.", U". Ja. Nein"},
      {"Umkehrsatz: two full stops", ReverseSentenceWordOrder, U"Ja..", U". Ja. "},
      {"Umkehrsatz: two question marks", ReverseSentenceWordOrder, U"Hm?? Ja.", U"? Hm. Ja? "},
      {"Umkehrsatz: comma and semicolon", ReverseSentenceWordOrder, U"a, b; c", U" c; b, a"},
      {"Umkehrsatz: empty text", ReverseSentenceWordOrder, U"", U""},
      {"Rückwärtssatz: no space between sentences", ReverseEachSentence, U"Ja.Nein.", U".aJ.nieN"},
      {"Rückwärtssatz: two question marks", ReverseEachSentence, U"Hm?? Ja.", U"?mH.aJ ?"},
      {"Rückwärtssatz: colon skips the space", ReverseEachSentence, U"a: b", U":ab "},
      // Bandwurmtext drops every space that is not stepped over.
      {"Bandwurmtext: three spaces", JoinWords, U"a   b", U"a b"},
      {"Bandwurmtext: four spaces", JoinWords, U"a    b", U"a  b"},
      {"Bandwurmtext: leading space", JoinWords, U" a", U"a"},
      {"Bandwurmtext: two trailing spaces", JoinWords, U"a  ", U"a "},
      {"Bandwurmtext: line break before a space", JoinWords, U"a.\r\n b", U"a.\r\nb"},
      {"Bandwurmtext: empty text", JoinWords, U"", U""},
      {"Großletter: umlaut, accent, ÿ and š", UpperCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"ÖL, CAFÉ 3\r\nŸŸŠŠ"},
      {"Kleinletter: umlaut, accent, Ÿ and Š", LowerCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"öl, café 3\r\nÿÿšš"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.transform(row.input), row.expected);
  }
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
