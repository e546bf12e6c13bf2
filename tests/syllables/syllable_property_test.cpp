// SPDX-License-Identifier: GPL-3.0-or-later
// The reading syllables of every word of Debian's German word list
// (wngerman) against the rules that no German reading syllable breaks, and
// the fault counter itself on words that show each fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "SyllableViolations.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr const char* kWordList = "/usr/share/dict/ngerman";

TEST(SyllableFaults, EachFaultIsCountedOnce) {
  struct Case {
    const char* name;
    Text word;
    Text hyphenated;
    std::vector<std::size_t> joints;
    SyllableFault fault;
  };
  const std::vector<Case> cases = {
      {"letters lost", U"Hund", U"Hun", {}, SyllableFault::kNotTheWord},
      {"break at the edge", U"Hund", U"-Hund", {}, SyllableFault::kNotTheWord},
      {"no vowel", U"Abend", U"A-ben-d", {}, SyllableFault::kNoVowel},
      {"ck pulled over", U"Glücklich", U"Glü-cklich", {}, SyllableFault::kBadOnset},
      {"r across a joint", U"Auerhahn", U"Au-e-rhahn", {}, SyllableFault::kBadOnset},
      {"loan onset", U"Inszenierung", U"In-sze-nie-rung", {}, SyllableFault::kBadOnset},
      {"ck split", U"Zucker", U"Zuc-ker", {}, SyllableFault::kSplitSound},
      {"ch split", U"Kuchen", U"Kuc-hen", {}, SyllableFault::kSplitSound},
      {"qu split", U"bequem", U"beq-uem", {}, SyllableFault::kSplitSound},
      {"ph split without a joint", U"Strophe", U"Strop-he", {}, SyllableFault::kSplitSound},
      {"s and ch without a joint", U"Tasche", U"Tas-che", {}, SyllableFault::kSplitSound},
      {"diphthong split", U"Eimer", U"E-i-mer", {}, SyllableFault::kSplitSound},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SyllableFaultCount count;
    CheckSyllables(c.word, c.hyphenated, c.joints, count);
    EXPECT_EQ(count.Total(), 1u);
    EXPECT_EQ(count.faults[static_cast<std::size_t>(c.fault)], 1u);
  }
}

TEST(SyllableFaults, JointsOfThePatternsMayPartSoundsThatMeetThere) {
  const struct {
    Text word;
    Text hyphenated;
    std::vector<std::size_t> joints;
  } cases[] = {
      {U"Knappheit", U"Knapp-heit", {5}},
      {U"Amtschef", U"Amts-chef", {4}},
      {U"beinhalten", U"be-in-hal-ten", {2, 4, 7}},
      {U"Ferien", U"Fe-ri-en", {2, 4}},
      {U"Zucker", U"Zu-cker", {}},
      {U"Schlüssel", U"Schlüs-sel", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.hyphenated));
    SyllableFaultCount count;
    CheckSyllables(c.word, c.hyphenated, c.joints, count);
    EXPECT_EQ(count.Total(), 0u) << count.Report();
  }
}

TEST(WordListProperty, NoWordOfTheGermanWordListBreaksAReadingSyllableRule) {
  if (!std::filesystem::exists(kWordList)) GTEST_SKIP() << kWordList << " missing (package wngerman)";
  const SyllabifierLoad load = LoadSyllabifier();
  ASSERT_NE(load.syllabifier, nullptr) << EncodeUtf8(load.error);
  const HyphenPatterns::Load patterns = HyphenPatterns::Open();
  ASSERT_NE(patterns.patterns, nullptr);
  const SyllableFaultCount count = CheckWordList(kWordList, *load.syllabifier, *patterns.patterns);
  std::cout << count.Report();
  EXPECT_GT(count.words, 300000u);
  EXPECT_EQ(count.Total(), 0u) << count.Report();
}

}  // namespace
}  // namespace tesmoran
