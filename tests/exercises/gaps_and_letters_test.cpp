// Gaps, first letters, vowels and consonants: the cases the worked
// examples leave open.
#include <gtest/gtest.h>

#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "exercises/VowelsAndConsonants.h"

namespace tesmoran {
namespace {

struct LetterGapCase {
  Text word;
  Text no;   // gaps from the first letter
  Text yes;  // gaps from the second letter
};

class LetterGaps : public ::testing::TestWithParam<LetterGapCase> {};

TEST_P(LetterGaps, BlankEveryOtherCharacterOfTheWord) {
  EXPECT_EQ(GapEveryOtherLetter(GetParam().word, false), GetParam().no);
  EXPECT_EQ(GapEveryOtherLetter(GetParam().word, true), GetParam().yes);
}

INSTANTIATE_TEST_SUITE_P(Cases, LetterGaps,
                         ::testing::Values(LetterGapCase{U"", U"", U""}, LetterGapCase{U"a", U"_", U"a"},
                                           LetterGapCase{U"ab", U"_b", U"a_"},
                                           LetterGapCase{U"Äßö-3", U"_ß_-_", U"Ä_ö_3"},
                                           LetterGapCase{U"a.b", U"_._", U"a_b"}));

struct FrameCase {
  Text word;
  Text expected;
};

class Frame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(Frame, KeepsOnlyTheFirstAndTheLastCharacter) {
  EXPECT_EQ(FrameWord(GetParam().word), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Frame,
                         ::testing::Values(FrameCase{U"", U""}, FrameCase{U"a", U"a"}, FrameCase{U"ab", U"ab"},
                                           FrameCase{U"abc", U"a_c"}, FrameCase{U"Öl-Faß", U"Ö____ß"},
                                           FrameCase{U"\r\nWir", U"\r___r"}));

TEST(Frame, TheTextFormFramesEveryWordAndKeepsTheDelimiters) {
  EXPECT_EQ(FrameWords(U"Sonne,  Mond.Stern"), U"S___e,  M__d.S___n");
}

struct ChosenCase {
  Text text;
  Text chosen;
  Text expected;
};

class ChosenLetters : public ::testing::TestWithParam<ChosenCase> {};

TEST_P(ChosenLetters, BlankExactlyTheChosenCharacters) {
  EXPECT_EQ(GapChosenLetters(GetParam().text, GetParam().chosen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChosenLetters,
    ::testing::Values(ChosenCase{U"Der Esel geht.", U"E", U"Der _sel geht."},
                      ChosenCase{U"Bär Bar", U"a", U"Bär B_r"},
                      ChosenCase{U"Bär Bar", U"ä", U"B_r Bar"},
                      ChosenCase{U"Straße STRASSE", U"ß", U"Stra_e STRASSE"},
                      ChosenCase{U"a b.c", U" .", U"a_b_c"},
                      ChosenCase{U"5 € und 3 €", U"€€3", U"5 _ und _ _"},
                      ChosenCase{U"Hund", U"xyz", U"Hund"},
                      ChosenCase{U"a\r\nb", U"\n", U"a\r_b"}));

struct WordGapCase {
  Text text;
  bool fromSecondWord;
  Text expected;
};

class WordGaps : public ::testing::TestWithParam<WordGapCase> {};

TEST_P(WordGaps, AlternateBetweenShownAndBlankedWords) {
  EXPECT_EQ(GapEveryOtherWord(GetParam().text, GetParam().fromSecondWord), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordGaps,
    ::testing::Values(WordGapCase{U"", true, U""}, WordGapCase{U"ä", false, U"__"},
                      WordGapCase{U"a.", false, U"__."},
                      // A third delimiter in a row switches again.
                      WordGapCase{U"a.. b", true, U"a.__ b"},
                      WordGapCase{U"a... b", true, U"a.__. b"},
                      WordGapCase{U"Öl ß", true, U"Öl __"}));

struct FirstLetterCase {
  Text text;
  Text keep;      // "Nur Erstletter"
  Text hide;      // "Ohne Erstletter", no choice
  Text hideCase;  // "Ohne Erstletter", with the choice
};

class FirstLetterWalk : public ::testing::TestWithParam<FirstLetterCase> {};

TEST_P(FirstLetterWalk, KeepsTheFirstLetters) { EXPECT_EQ(KeepFirstLetters(GetParam().text), GetParam().keep); }

TEST_P(FirstLetterWalk, HidesTheFirstLetters) {
  EXPECT_EQ(HideFirstLetters(GetParam().text, false), GetParam().hide);
  EXPECT_EQ(HideFirstLetters(GetParam().text, true), GetParam().hideCase);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstLetterWalk,
    ::testing::Values(FirstLetterCase{U"", U"", U"_", U"()"},
                      FirstLetterCase{U".a", U".__", U"_a", U"(..)a"},
                      // Only a space makes the next character a word start.
                      FirstLetterCase{U"a-b \"c\"", U"a____ \"____", U"_-b _c\"", U"(Aa)-b (\"\")c\""},
                      // After a tab the character produces nothing.
                      FirstLetterCase{U"a\tb c", U"a__ c", U"_\t _", U"(Aa)\t (Cc)"},
                      FirstLetterCase{U"ß üb", U"ß ü__", U"_ _b", U"(ßß) (Üü)b"},
                      FirstLetterCase{U"a  b", U"a  b", U"_  _", U"(Aa)  (Bb)"}));

struct EntryCase {
  Text entry;
  Text keep;
  Text hide;
  Text hideCase;
};

class FirstLetterEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(FirstLetterEntry, TreatsTheEntryAsOneWord) {
  EXPECT_EQ(KeepFirstLettersOfEntry(GetParam().entry), GetParam().keep);
  EXPECT_EQ(HideFirstLettersOfEntry(GetParam().entry, false), GetParam().hide);
  EXPECT_EQ(HideFirstLettersOfEntry(GetParam().entry, true), GetParam().hideCase);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstLetterEntry,
                         ::testing::Values(EntryCase{U"", U"", U"_", U"()"},
                                           EntryCase{U"x", U"x", U"_", U"(Xx)"},
                                           EntryCase{U"Sonne", U"S____", U"_onne", U"(Ss)onne"},
                                           EntryCase{U"a b", U"a__", U"_ b", U"(Aa) b"},
                                           EntryCase{U"äpfel", U"ä____", U"_pfel", U"(Ää)pfel"}));

struct ChoiceCase {
  Char c;
  Text expected;
};

class CaseChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(CaseChoiceTest, OffersTheCapitalAndTheSmallForm) {
  EXPECT_EQ(CaseChoice(GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseChoiceTest,
                         ::testing::Values(ChoiceCase{U'h', U"(Hh)"}, ChoiceCase{U'H', U"(Hh)"},
                                           ChoiceCase{U'ä', U"(Ää)"}, ChoiceCase{U'Ö', U"(Öö)"},
                                           ChoiceCase{U'ß', U"(ßß)"}, ChoiceCase{U'3', U"(33)"},
                                           ChoiceCase{U'é', U"(Éé)"}, ChoiceCase{U'ÿ', U"(Ÿÿ)"}));

struct SoundCase {
  Text text;
  Text vowels;
  Text consonants;
  Text marks;
};

class Sounds : public ::testing::TestWithParam<SoundCase> {};

TEST_P(Sounds, SortEveryCharacterIntoItsClass) {
  EXPECT_EQ(ShowVowels(GetParam().text), GetParam().vowels);
  EXPECT_EQ(ShowConsonants(GetParam().text), GetParam().consonants);
  EXPECT_EQ(MarkConsonantsAndVowels(GetParam().text), GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sounds,
    ::testing::Values(SoundCase{U"", U"", U"", U""},
                      SoundCase{U"ÄäÖöÜü", U"ÄäÖöÜü", U"______", U"SSSSSS"},
                      SoundCase{U"ßSsYy", U"_____", U"ßSsYy", U"MMMMM"},
                      SoundCase{U" .,;:!?", U" .,;:!?", U" .,;:!?", U" .,;:!?"},
                      SoundCase{U"éÉ-'\"3\t€", U"", U"", U"MMMMMMMM"},
                      SoundCase{U"Ei, au!", U"Ei, au!", U"__, __!", U"SS, SS!"}));

}  // namespace
}  // namespace tesmoran
