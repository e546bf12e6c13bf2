// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyllableViolations.h"

#include <algorithm>
#include <fstream>

#include "syllables/HyphenateText.h"
#include "syllables/PatternSyllabifier.h"
#include "syllables/ReadingSyllables.h"
#include "syllables/SyllableOnsets.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::size_t kExamplesKept = 12;

bool HasVowel(TextView lower) {
  for (Char c : lower) {
    if (IsSyllableVowel(c)) return true;
  }
  return false;
}

void Add(SyllableFaultCount& count, SyllableFault fault, TextView hyphenated) {
  const auto kind = static_cast<std::size_t>(fault);
  ++count.faults[kind];
  if (count.examples[kind].size() < kExamplesKept) count.examples[kind].push_back(EncodeUtf8(hyphenated));
}

}  // namespace

const char* SyllableFaultName(SyllableFault fault) {
  switch (fault) {
    case SyllableFault::kNotTheWord: return "syllables not giving back the word";
    case SyllableFault::kNoVowel: return "syllables without a vowel";
    case SyllableFault::kBadOnset: return "syllables beginning with a cluster that cannot begin one";
    case SyllableFault::kSplitSound: return "breaks inside ck, ch, sch, ph, qu or a one-sound vowel pair";
  }
  return "";
}

std::size_t SyllableFaultCount::Total() const {
  std::size_t total = 0;
  for (std::size_t n : faults) total += n;
  return total;
}

std::string SyllableFaultCount::Report() const {
  std::string report = std::to_string(words) + " words\n";
  for (std::size_t kind = 0; kind < kSyllableFaultKinds; ++kind) {
    report += "  " + std::to_string(faults[kind]) + " " + SyllableFaultName(static_cast<SyllableFault>(kind));
    for (const std::string& example : examples[kind]) report += " " + example;
    report += "\n";
  }
  return report;
}

void CheckSyllables(TextView word, TextView hyphenated, const std::vector<std::size_t>& joints,
                    SyllableFaultCount& count) {
  ++count.words;
  // The syllables and the offsets of the breaks in the word.
  std::vector<std::size_t> breaks;
  Text joined;
  for (Char c : hyphenated) {
    if (c == U'-') {
      breaks.push_back(joined.size());
    } else {
      joined.push_back(c);
    }
  }
  // Words of the list have no hyphens, so every hyphen is a break.
  if (joined != word || (!breaks.empty() && (breaks.front() == 0 || breaks.back() == word.size()))) {
    Add(count, SyllableFault::kNotTheWord, hyphenated);
    return;
  }
  const Text lower = ToLower(word);
  const bool wordHasVowel = HasVowel(lower);
  bool noVowel = false, badOnset = false, splitSound = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= breaks.size(); ++i) {
    const std::size_t end = i < breaks.size() ? breaks[i] : lower.size();
    const TextView syllable = TextView(lower).substr(start, end - start);
    if (wordHasVowel && !HasVowel(syllable)) noVowel = true;
    if (start > 0 && !IsAllowedOnset(OnsetAt(lower, start))) badOnset = true;
    start = end;
  }
  for (std::size_t b : breaks) {
    const bool joint = std::find(joints.begin(), joints.end(), b) != joints.end();
    const bool jointUnit = joint && (lower[b - 1] == U'p' || lower[b - 1] == U's');
    if ((SplitsConsonantUnit(lower, b) && !jointUnit) || (SplitsVowelSound(lower, b) && !joint)) splitSound = true;
  }
  if (noVowel) Add(count, SyllableFault::kNoVowel, hyphenated);
  if (badOnset) Add(count, SyllableFault::kBadOnset, hyphenated);
  if (splitSound) Add(count, SyllableFault::kSplitSound, hyphenated);
}

SyllableFaultCount CheckWordList(const std::string& path, const Syllabifier& engine, const HyphenPatterns& patterns) {
  SyllableFaultCount count;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const std::optional<Text> word = DecodeUtf8(line);
    if (!word || word->empty()) continue;
    const std::vector<std::size_t> joints = patterns.Breaks(ToLower(*word), PatternSyllabifier::kReadingLimits);
    CheckSyllables(*word, HyphenateText(*word, engine), joints, count);
  }
  return count;
}

}  // namespace tesmoran
