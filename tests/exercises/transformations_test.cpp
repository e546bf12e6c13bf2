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

}  // namespace
}  // namespace tesmoran
