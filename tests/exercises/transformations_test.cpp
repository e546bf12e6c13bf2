// The text transformations of the exercises on the cases the worked examples
// leave open: control characters inside words, umlauts and ß, empty words,
// characters outside every set.
#include <gtest/gtest.h>

#include <functional>

#include "exercises/CaseAndReversal.h"
#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "exercises/VowelsAndConsonants.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using Transform = std::function<Text(TextView)>;

struct Row {
  const char* what;
  Transform transform;
  Text input;
  Text expected;
};

Transform LetterGaps(bool fromSecond) {
  return [fromSecond](TextView t) { return GapEveryOtherLetter(t, fromSecond); };
}
Transform WordGaps(bool fromSecond) {
  return [fromSecond](TextView t) { return GapEveryOtherWord(t, fromSecond); };
}
Transform Chosen(Text letters) {
  return [letters](TextView t) { return GapChosenLetters(t, letters); };
}
Transform Hide(bool choice) {
  return [choice](TextView t) { return HideFirstLetters(t, choice); };
}
Transform HideEntry(bool choice) {
  return [choice](TextView t) { return HideFirstLettersOfEntry(t, choice); };
}
Text Choice(TextView t) { return CaseChoice(t.front()); }

const std::vector<Row> kRows = {
    {"letter gaps", LetterGaps(false), U"", U""},
    {"letter gaps", LetterGaps(false), U"Äßö-3", U"_ß_-_"},
    {"letter gaps", LetterGaps(true), U"Äßö-3", U"Ä_ö_3"},
    {"letter gaps", LetterGaps(true), U"a", U"a"},
    {"frame", FrameWord, U"", U""},
    {"frame", FrameWord, U"ab", U"ab"},
    {"frame", FrameWord, U"Öl-Faß", U"Ö____ß"},
    {"frame", FrameWord, U"\r\nWir", U"\r___r"},
    {"chosen letters, exact case", Chosen(U"a"), U"Bär Bar", U"Bär B_r"},
    {"chosen letters, exact case", Chosen(U"ä"), U"Bär Bar", U"B_r Bar"},
    {"chosen letters, exact case", Chosen(U"ß"), U"Straße STRASSE", U"Stra_e STRASSE"},
    {"chosen letters, delimiters", Chosen(U" ."), U"a b.c", U"a_b_c"},
    {"chosen letters, repeated", Chosen(U"€€3"), U"5 € und 3 €", U"5 _ und _ _"},
    {"chosen letters, line feed", Chosen(U"\n"), U"a\r\nb", U"a\r_b"},
    {"word gaps", WordGaps(true), U"", U""},
    {"word gaps", WordGaps(false), U"ä", U"__"},
    {"word gaps, delimiter after delimiter skipped", WordGaps(true), U"a.. b", U"a.__ b"},
    {"word gaps, delimiter after delimiter skipped", WordGaps(true), U"a... b", U"a.__. b"},
    {"keep first letters", KeepFirstLetters, U".a", U".__"},
    {"keep first letters", KeepFirstLetters, U"a-b \"c\"", U"a____ \"____"},
    {"keep first letters", KeepFirstLetters, U"a\tb c", U"a__ c"},
    {"keep first letters", KeepFirstLetters, U"ß üb", U"ß ü__"},
    {"hide first letters", Hide(false), U"", U"_"},
    {"hide first letters", Hide(false), U"a-b \"c\"", U"_-b _c\""},
    {"hide first letters", Hide(false), U"a\tb c", U"_\t _"},
    {"hide first letters", Hide(true), U"", U"()"},
    {"hide first letters", Hide(true), U".a", U"(..)a"},
    {"hide first letters", Hide(true), U"ß üb", U"(ßß) (Üü)b"},
    {"hide first letters", Hide(true), U"a  b", U"(Aa)  (Bb)"},
    {"first letters of an entry", KeepFirstLettersOfEntry, U"a b", U"a__"},
    {"first letters of an entry", HideEntry(false), U"", U"_"},
    {"first letters of an entry", HideEntry(true), U"a b", U"(Aa) b"},
    {"first letters of an entry", HideEntry(true), U"äpfel", U"(Ää)pfel"},
    {"case choice", Choice, U"ß", U"(ßß)"},
    {"case choice", Choice, U"é", U"(Éé)"},
    {"case choice", Choice, U"ÿ", U"(Ÿÿ)"},
    {"vowels", ShowVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"ÄäÖöÜü _____ .,;:!?"},
    {"vowels", ShowVowels, U"éÉ-'\"3\t€", U""},
    {"consonants", ShowConsonants, U"ÄäÖöÜü ßSsYy .,;:!?", U"______ ßSsYy .,;:!?"},
    {"consonants", ShowConsonants, U"éÉ-'\"3\t€", U""},
    {"marks", MarkConsonantsAndVowels, U"ÄäÖöÜü ßSsYy .,;:!?", U"SSSSSS MMMMM .,;:!?"},
    {"marks", MarkConsonantsAndVowels, U"éÉ-'\"3\t€", U"MMMMMMMM"},
    {"alphabet order", SortWordByAlphabet, U"sSßaAäÄ", U"AaÄäSsß"},
    {"alphabet order", SortWordByAlphabet, U"ÜüUuzZ", U"UuÜüZz"},
    {"alphabet order", SortWordByAlphabet, U"\r\n3", U""},
    {"letter numbers", NumberWordLetters, U"sSßaAäÄ", U"19+19+19+1+1+1+1"},
    {"letter numbers", NumberWordLetters, U"ÜüUuzZ", U"21+21+21+21+26+26"},
    {"letter numbers", NumberWordLetters, U"", U""},
    // Outside code page 1252 nothing has a number, even where a capital
    // would be a Latin letter (dotless i, long s).
    {"letter numbers", NumberWordLetters, U"ıſЖ\r", U"0+0+0+0"},
    {"word order of sentences", ReverseSentenceWordOrder, U"Ja.Nein.", U". Ja. Nein"},
    {"word order of sentences", ReverseSentenceWordOrder, U"Ja..", U". Ja. "},
    {"word order of sentences", ReverseSentenceWordOrder, U"Hm?? Ja.", U"? Hm. Ja? "},
    {"word order of sentences", ReverseSentenceWordOrder, U"a, b; c", U" c; b, a"},
    {"word order of sentences", ReverseSentenceWordOrder, U"", U""},
    {"sentences backwards", ReverseEachSentence, U"Ja.Nein.", U".aJ.nieN"},
    {"sentences backwards", ReverseEachSentence, U"Hm?? Ja.", U"?mH.aJ ?"},
    {"sentences backwards", ReverseEachSentence, U"a: b", U":ab "},
    {"joined words", JoinWords, U"a   b", U"a b"},
    {"joined words", JoinWords, U"a    b", U"a  b"},
    {"joined words", JoinWords, U" a", U"a"},
    {"joined words", JoinWords, U"a  ", U"a "},
    {"joined words", JoinWords, U"a.\r\n b", U"a.\r\nb"},
    {"joined words", JoinWords, U"", U""},
    {"capitals", UpperCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"ÖL, CAFÉ 3\r\nŸŸŠŠ"},
    {"small letters", LowerCaseText, U"Öl, Café 3\r\nÿŸšŠ", U"öl, café 3\r\nÿÿšš"},
};

TEST(ExerciseTransformation, GivesTheExpectedText) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.what) + " on \"" + EncodeUtf8(row.input) + "\"");
    EXPECT_EQ(row.transform(row.input), row.expected);
  }
}

}  // namespace
}  // namespace tesmoran
