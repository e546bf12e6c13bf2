// The word scan, the character sets and the reversal of the word order.
#include <gtest/gtest.h>

#include <algorithm>

#include "exercises/CaseAndReversal.h"
#include "exercises/CharacterSets.h"
#include "exercises/TransformWords.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

struct ScanCase {
  Text text;
  std::vector<Text> words;  // every word handed to the transformation, in order
};

class WordScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(WordScan, HandsEveryWordToTheTransformationEmptyOnesIncluded) {
  std::vector<Text> seen;
  Text result = TransformWords(GetParam().text, [&seen](TextView word, Text& out) {
    seen.emplace_back(word);
    out.append(U"<").append(word).append(U">");
  });
  EXPECT_EQ(seen, GetParam().words);
  // Every delimiter stays in its place between the marked words.
  Text rebuilt;
  std::size_t w = 0;
  rebuilt += U"<" + seen[w++] + U">";
  for (Char c : GetParam().text) {
    if (IsWordDelimiter(c)) rebuilt += Text(1, c) + U"<" + seen[w++] + U">";
  }
  EXPECT_EQ(result, rebuilt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordScan,
    ::testing::Values(ScanCase{U"", {U""}},
                      ScanCase{U"Hund", {U"Hund"}},
                      ScanCase{U"Ja, so.", {U"Ja", U"", U"so", U""}},
                      ScanCase{U" a", {U"", U"a"}},
                      ScanCase{U"a.\r\nb c", {U"a", U"\r\nb", U"c"}},
                      ScanCase{U"Öl-Fass\t'x' 3", {U"Öl-Fass\t'x'", U"3"}},
                      ScanCase{U"a:b!c?d;e", {U"a", U"b", U"c", U"d", U"e"}}));

TEST(CharacterSets, HoldExactlyTheirCharacters) {
  struct SetCase {
    bool (*member)(Char);
    TextView members;
  };
  const SetCase sets[] = {
      {IsWordDelimiter, U" .:!?,;"},
      {IsPunctuationMark, U".,;:!?"},
      {IsSentenceEnd, U".:!?"},
      {IsVowel, U"AaEeIiOoUuÄäÖöÜü"},
      {IsConsonant, U"BbCcDdFfGgHhJjKkLlMmNnPpQqRrSsßTtVvWwXxYyZz"},
  };
  for (const SetCase& set : sets) {
    for (Char c = 0; c < 0x2200; ++c) {
      EXPECT_EQ(set.member(c), set.members.find(c) != TextView::npos)
          << EncodeUtf8(Text(set.members)) << " and U+" << std::hex << static_cast<unsigned>(c);
    }
  }
}

struct ReverseCase {
  Text sentence;
  Text expected;
};

class ReverseWordOrderTest : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseWordOrderTest, GivesTheWordsLastToFirst) {
  EXPECT_EQ(ReverseWordOrder(GetParam().sentence), GetParam().expected);
}

TEST_P(ReverseWordOrderTest, LosesNoCharacterAndAddsOnlyTheLeadingSpace) {
  Text before = U" " + GetParam().sentence;
  Text after = ReverseWordOrder(GetParam().sentence);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReverseWordOrderTest,
    ::testing::Values(ReverseCase{U"", U" "},
                      ReverseCase{U"Der Hund bellt.", U". bellt Hund Der"},
                      ReverseCase{U"Der Hund bellt", U" bellt Hund Der"},
                      ReverseCase{U"Was?!", U"! Was?"},
                      ReverseCase{U"Ja, nein.", U". nein, Ja"},
                      ReverseCase{U" Die Katze miaut.", U". miaut Katze Die "},
                      ReverseCase{U"z.B.", U". z.B"},
                      ReverseCase{U"Das ist z.B. gut", U" gut. z.B ist Das"},
                      ReverseCase{U"a?!b", U" a?!b"},
                      ReverseCase{U"bellt.\r\nDie Katze.", U". Katze bellt.\r\nDie"},
                      ReverseCase{U"Hm ,", U",  Hm"}));

// The walk as it moves every punctuation mark it meets, also one with
// characters of its own word behind it (and so drops those characters).
Text ReverseMovingEveryMark(const Text& sentence) {
  const Text x = U" " + sentence;
  Text r;
  std::size_t e = x.size();  // one past the word not yet emitted
  for (std::size_t p = x.size(); p-- > 0;) {
    if (IsPunctuationMark(x[p])) {
      r.push_back(x[p]);
      e = p;
      --p;
    }
    if (x[p] == U' ') {
      r.append(x.substr(p, e - p));
      e = p;
    }
  }
  return r;
}

TEST(ReverseWordOrderMarks, DiffersFromMovingEveryMarkOnlyWhereThatLosesCharacters) {
  const Text alphabet = U"ab .!,\r?";
  int compared = 0;
  for (unsigned code = 0; code < 8u * 8 * 8 * 8 * 8 * 8; ++code) {
    Text sentence;
    for (unsigned rest = code; sentence.size() < 6; rest /= 8) sentence.push_back(alphabet[rest % 8]);
    Text moved = ReverseMovingEveryMark(sentence);
    Text all = U" " + sentence;
    Text movedSorted = moved;
    std::sort(all.begin(), all.end());
    std::sort(movedSorted.begin(), movedSorted.end());
    if (movedSorted != all) continue;  // moving every mark lost characters here
    ++compared;
    ASSERT_EQ(ReverseWordOrder(sentence), moved) << EncodeUtf8(sentence);
  }
  EXPECT_GT(compared, 10000);
}

struct SentenceCase {
  Text text;
  Text wordOrder;  // "Umkehrsatz"
  Text backwards;  // "Rückwärtssatz"
};

class SentenceWalk : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceWalk, ReversesTheWordOrderOfEachSentence) {
  EXPECT_EQ(ReverseSentenceWordOrder(GetParam().text), GetParam().wordOrder);
}

TEST_P(SentenceWalk, ReversesEachSentence) {
  EXPECT_EQ(ReverseEachSentence(GetParam().text), GetParam().backwards);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SentenceWalk,
    ::testing::Values(
        // The character right after an end mark opens the next sentence unexamined.
        SentenceCase{U"Ja.Nein.", U". Ja. Nein", U".aJ.nieN"},
        SentenceCase{U"Ja..", U". Ja. ", U".aJ."},
        SentenceCase{U"Hm?? Ja.", U"? Hm. Ja? ", U"?mH.aJ ?"},
        // No comma, no semicolon ends a sentence.
        SentenceCase{U"a, b; c", U" c; b, a", U"c ;b ,a"},
        SentenceCase{U"", U"", U""},
        SentenceCase{U"a: b", U": a b ", U":ab "}));

struct JoinCase {
  Text text;
  Text expected;
};

class Bandwurm : public ::testing::TestWithParam<JoinCase> {};

TEST_P(Bandwurm, TakesTheCharacterAfterASpaceUnexamined) {
  EXPECT_EQ(JoinWords(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Bandwurm,
                         ::testing::Values(JoinCase{U"a b", U"ab"}, JoinCase{U"a  b", U"a b"},
                                           JoinCase{U"a   b", U"a b"}, JoinCase{U"a    b", U"a  b"},
                                           JoinCase{U" a", U"a"}, JoinCase{U"a ", U"a"},
                                           JoinCase{U"a  ", U"a "}, JoinCase{U"a.\r\n b", U"a.\r\nb"},
                                           JoinCase{U"", U""}));

struct CaseCase {
  Text text;
  Text upper;
  Text lower;
};

class LetterCase : public ::testing::TestWithParam<CaseCase> {};

TEST_P(LetterCase, ChangesOnlyTheLettersOfACasePair) {
  EXPECT_EQ(UpperCaseText(GetParam().text), GetParam().upper);
  EXPECT_EQ(LowerCaseText(GetParam().text), GetParam().lower);
}

INSTANTIATE_TEST_SUITE_P(Cases, LetterCase,
                         ::testing::Values(CaseCase{U"Straße über Äpfel", U"STRAßE ÜBER ÄPFEL",
                                                    U"straße über äpfel"},
                                           CaseCase{U"Öl, Café 3\r\n", U"ÖL, CAFÉ 3\r\n", U"öl, café 3\r\n"},
                                           CaseCase{U"ÿŸšŠ", U"ŸŸŠŠ", U"ÿÿšš"}));

}  // namespace
}  // namespace tesmoran
