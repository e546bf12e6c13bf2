// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four faults that reading syllables must never show, counted over a
// list of words: syllables that do not give back the word, a syllable
// without a vowel in a word that has one, a syllable that begins with a
// cluster no syllable inside a German word begins with, and a break inside
// ck, ch, sch, ph, qu or a vowel pair read as one sound.  Only a joint that
// the patterns mark may part a p from an h, an s from ch, or two vowels
// (Knapp-heit, Amts-chef, be-in-hal-ten, Fe-ri-en).
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "syllables/HyphenPatterns.h"
#include "syllables/Syllabifier.h"
#include "text/Text.h"

namespace tesmoran {

enum class SyllableFault { kNotTheWord, kNoVowel, kBadOnset, kSplitSound };
constexpr std::size_t kSyllableFaultKinds = 4;
const char* SyllableFaultName(SyllableFault fault);

struct SyllableFaultCount {
  std::size_t words = 0;
  std::array<std::size_t, kSyllableFaultKinds> faults{};
  std::array<std::vector<std::string>, kSyllableFaultKinds> examples;  // the first few, hyphenated

  std::size_t Total() const;
  std::string Report() const;  // one line per kind: count and examples
};

// Checks one word's reading syllables, given as the hyphenated word, against
// the joints (break offsets) that the patterns mark in it.
void CheckSyllables(TextView word, TextView hyphenated, const std::vector<std::size_t>& joints,
                    SyllableFaultCount& count);

// The reading syllables of every line of a UTF-8 word list, checked.
SyllableFaultCount CheckWordList(const std::string& path, const Syllabifier& engine, const HyphenPatterns& patterns);

}  // namespace tesmoran
