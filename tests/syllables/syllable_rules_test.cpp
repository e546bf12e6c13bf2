// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the syllable engine that need no pattern file: the reading
// syllable rules on given pattern breaks, the word scan, the hyphenated text
// and the user's exception list.
#include <gtest/gtest.h>

#include "syllables/HyphenateText.h"
#include "syllables/ReadingSyllables.h"
#include "syllables/SyllableExceptions.h"
#include "syllables/SyllableOnsets.h"
#include "syllables/SyllableWords.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

using Breaks = std::vector<std::size_t>;

struct RuleCase {
  const char* name;
  Text word;
  Breaks patterns;
  Breaks expected;
};

TEST(MergeVowellessPieces, JoinsEveryPieceWithoutAVowelToItsNeighbour) {
  const RuleCase cases[] = {
      {"last piece joins the one before", U"abend", {1, 4}, {1}},
      {"first piece joins the one after", U"schwimmen", {2, 6}, {6}},
      {"middle piece joins the one after", U"kinder", {3, 4}, {3}},
      {"y is a vowel", U"baby", {2}, {2}},
      {"breaks outside the word are dropped", U"oma", {0, 3, 5}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MergeVowellessPieces(c.word, c.patterns), c.expected);
  }
}

TEST(ReadingBreaks, FollowThePrimarySchoolRules) {
  const RuleCase cases[] = {
      {"first vowel before one consonant stands alone", U"ameise", {4}, {1, 4}},
      {"first vowel before ck stands alone", U"ecke", {}, {1}},
      {"first vowel before an onset like fr stands alone", U"afrika", {4}, {1, 4}},
      {"first vowel before two consonants stays", U"adler", {2}, {2}},
      {"two-letter first piece keeps its consonant", U"erinnern", {2, 4, 6}, {2, 4}},
      {"first vowel of a diphthong is not cut off", U"eimer", {1}, {2}},
      {"every vowel sound starts a syllable", U"backofen", {4}, {4, 5}},
      {"a three-letter onset goes whole to the next syllable", U"gesprungen", {}, {2, 7}},
      {"st after another consonant goes to the next syllable", U"erstatten", {}, {2, 6}},
      {"a lone st is split", U"osten", {}, {2}},
      {"y after a consonant is a vowel", U"olympiade", {4, 7}, {1, 4, 6, 7}},
      {"single end consonant joins", U"abend", {1, 4}, {1}},
      {"long ee is not cut", U"idee", {1, 3}, {1}},
      {"ee before a plural n is cut", U"ideen", {1}, {1, 3}},
      {"io is cut", U"radio", {2}, {2, 4}},
      {"oa is cut", U"oase", {2}, {1, 2}},
      {"vowel after a diphthong is cut", U"feuer", {}, {3}},
      {"vowel after ei is cut", U"eier", {}, {2}},
      {"final ie after l is cut", U"familie", {2, 4}, {2, 4, 6}},
      {"final ie of a stressed onie stays", U"harmonie", {3, 5}, {3, 5}},
      {"plural ien is cut", U"ferien", {2}, {2, 4}},
      {"schien is one syllable", U"schien", {}, {}},
      {"u after q is no vowel", U"qualle", {4}, {4}},
      {"ck is not pulled into the next syllable", U"glücklich", {3}, {5}},
      {"a consonant is not pulled over a joint", U"auerhahn", {2, 3}, {2, 4}},
      {"ch stays before the joint", U"dachkante", {2, 7}, {4, 7}},
      {"a break inside ck moves before it", U"zucker", {3}, {2}},
      {"ph is split at a joint", U"knappheit", {5}, {5}},
      {"double consonants are split", U"großmutter", {4}, {4, 7}},
      {"a joint inside ie keeps both vowels apart", U"antieuropäisch", {2, 4, 6, 8}, {2, 4, 6, 8, 10}},
      {"without the joint ie is one sound", U"antieuropäisch", {2, 6, 8}, {2, 5, 6, 8, 10}},
      {"y between a consonant and a vowel is a vowel", U"hyäne", {3}, {2, 3}},
      {"ui inside a word is cut", U"ruine", {3}, {2, 3}},
      {"ui stays together", U"pfui", {}, {}},
      {"one-syllable word stays whole", U"hund", {3}, {}},
      {"one letter", U"o", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadingBreaks(c.word, c.patterns), c.expected);
  }
}

TEST(FindSyllableWords, TakesRunsOfLettersOfAnyScript) {
  const struct {
    const char* name;
    Text text;
    std::vector<std::pair<std::size_t, std::size_t>> words;  // start, length
  } cases[] = {
      {"quotes and apostrophe", U"„Oma!“ sagt's.", {{1, 3}, {7, 4}, {12, 1}}},
      {"digit before a word", U"3Äpfel", {{1, 5}}},
      {"hyphen inside", U"E-Mail", {{0, 1}, {2, 4}}},
      {"letters of other scripts", U"Łódź Ayşe", {{0, 4}, {5, 4}}},
      {"emoji and times sign", U"Hund😀Katze×Maus", {{0, 4}, {5, 5}, {11, 4}}},
      {"no letters", U" 1, 2. ", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<std::size_t, std::size_t>> got;
    for (const WordSpan& w : FindSyllableWords(c.text)) got.emplace_back(w.start, w.length);
    EXPECT_EQ(got, c.words);
  }
}

// Hands out fixed breaks and remembers the kind it was asked for.
class FixedBreaks : public Syllabifier {
 public:
  explicit FixedBreaks(std::vector<std::size_t> breaks) : breaks_(std::move(breaks)) {}
  std::vector<std::size_t> Breaks(TextView, SyllableKind kind) const override {
    lastKind = kind;
    return breaks_;
  }
  mutable SyllableKind lastKind = SyllableKind::kReading;

 private:
  std::vector<std::size_t> breaks_;
};

TEST(HyphenateText, PutsAHyphenBeforeEveryBreakOnce) {
  const struct {
    const char* name;
    Breaks breaks;
    Text expected;
  } cases[] = {
      {"two breaks", {1, 6}, U"O-ma, A-bend"},
      {"no breaks", {}, U"Oma, Abend"},
      {"break at the start and repeated break", {0, 1, 1}, U"O-ma, Abend"},
      {"break past the end", {1, 40}, U"O-ma, Abend"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HyphenateText(U"Oma, Abend", FixedBreaks(c.breaks)), c.expected);
  }
}

TEST(HyphenateText, AsksForTheGivenKindAndReadingByDefault) {
  FixedBreaks engine(Breaks{});
  HyphenateText(U"Oma", engine, SyllableKind::kLineBreak);
  EXPECT_EQ(engine.lastKind, SyllableKind::kLineBreak);
  HyphenateText(U"Oma", engine);
  EXPECT_EQ(engine.lastKind, SyllableKind::kReading);
}

TEST(SyllableExceptions, ReadsWordsWithTheirHyphensInLowerCaseALaterEntryReplacingAnEarlierOne) {
  const auto list = SyllableExceptions::Parse(U"\uFEFF# eigene Silben\r\n\r\n  Ü-bung  \r\nZoo\rRa-di-o\nÜb-ung");
  EXPECT_EQ(list.size(), 3u);
  EXPECT_TRUE(list.MalformedLines().empty());
  EXPECT_EQ(list.Find(U"übung"), Breaks({2}));
  EXPECT_EQ(list.Find(U"zoo"), Breaks({}));
  EXPECT_EQ(list.Find(U"radio"), Breaks({2, 4}));
  EXPECT_EQ(list.Find(U"Übung"), std::nullopt);  // the engine looks words up in lower case
  EXPECT_EQ(list.Find(U"oma"), std::nullopt);
}

TEST(SyllableExceptions, SkipsEveryMalformedLineAndKeepsItsNumber) {
  const struct {
    const char* name;
    Text line;
  } cases[] = {
      {"leading hyphen", U"-bung"}, {"trailing hyphen", U"Üb-"}, {"double hyphen", U"Ü--bung"},
      {"space inside", U"Ü bung"},  {"digit", U"Ü-bung1"},       {"comment after the word", U"Ü-bung # x"},
      {"only a hyphen", U"-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto list = SyllableExceptions::Parse(U"O-ma\n" + c.line + U"\nA-bend");
    EXPECT_EQ(list.MalformedLines(), std::vector<std::size_t>({2}));
    EXPECT_EQ(list.size(), 2u);
  }
}

TEST(SyllableExceptions, ReportsAllSkippedLinesInOneGermanMessage) {
  EXPECT_EQ(SyllableExceptions::Parse(U"O-ma").MalformedReport(), U"");
  EXPECT_EQ(SyllableExceptions::Parse(U"O-ma\nO--pa").MalformedReport(),
            U"Die Zeile 2 der Silben-Ausnahmen wurde übersprungen. Jede Zeile enthält ein Wort mit Bindestrichen "
            U"zwischen den Silben, zum Beispiel „Ü-bung“.");
  EXPECT_EQ(SyllableExceptions::Parse(U"O ma\n# x\nO--pa\nA-bend").MalformedReport(),
            U"Die Zeilen 1, 3 der Silben-Ausnahmen wurden übersprungen. Jede Zeile enthält ein Wort mit "
            U"Bindestrichen zwischen den Silben, zum Beispiel „Ü-bung“.");
}

TEST(SyllableOnsets, OnlyClustersThatBeginGermanWordsMayBeginASyllable) {
  const struct {
    TextView onset;
    bool allowed;
  } cases[] = {
      {U"", true},     {U"b", true},    {U"ß", true},   {U"ck", true},   {U"sch", true},  {U"qu", true},
      {U"str", true},  {U"schw", true}, {U"pfl", true}, {U"zw", true},   {U"ckl", false}, {U"ckg", false},
      {U"chk", false}, {U"chv", false}, {U"rh", false}, {U"rb", false},  {U"rl", false},  {U"rw", false},
      {U"sz", false},  {U"ps", false},  {U"mn", false}, {U"nst", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsAllowedOnset(c.onset), c.allowed) << EncodeUtf8(c.onset);
  }
}

TEST(SyllableOnsets, TheOnsetRunsToTheFirstVowelWithTheUOfQu) {
  EXPECT_EQ(OnsetAt(U"glücklich", 3), TextView(U"ckl"));
  EXPECT_EQ(OnsetAt(U"bequem", 2), TextView(U"qu"));
  EXPECT_EQ(OnsetAt(U"gartenexperten", 6), TextView(U""));
  EXPECT_EQ(OnsetAt(U"hund", 1), TextView(U""));
  EXPECT_EQ(OnsetAt(U"pst", 0), TextView(U"pst"));
}

TEST(SyllableOnsets, UnitsAreCkChPhQuAndTheSOfSch) {
  const struct {
    TextView word;
    std::size_t k;
    bool splits;
  } cases[] = {
      {U"zucker", 3, true}, {U"kuchen", 3, true},  {U"strophe", 5, true}, {U"bequem", 3, true},
      {U"tasche", 3, true}, {U"tasche", 2, false}, {U"mutter", 3, false}, {U"zucker", 2, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitsConsonantUnit(c.word, c.k), c.splits) << EncodeUtf8(c.word) << " " << c.k;
  }
}

TEST(SplitsVowelSound, PairsReadAsOneSoundAreFoundFromTheLeft) {
  const struct {
    TextView word;
    std::size_t k;
    bool splits;
  } cases[] = {
      {U"eimer", 1, true},  {U"feuer", 2, true}, {U"feuer", 3, false},   {U"theater", 3, false},
      {U"ruine", 2, false}, {U"pfui", 3, true},  {U"familie", 6, false}, {U"biene", 2, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitsVowelSound(c.word, c.k), c.splits) << EncodeUtf8(c.word) << " " << c.k;
  }
}

}  // namespace
}  // namespace tesmoran
