// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The syllable engine on the German hyphenation patterns: reading syllables
// by the rules of ReadingSyllables.h, line-break syllables as the patterns
// give them, and the user's exceptions before both.
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "syllables/HyphenPatterns.h"
#include "syllables/Syllabifier.h"
#include "syllables/SyllableExceptions.h"

namespace tesmoran {

class PatternSyllabifier : public Syllabifier {
 public:
  // Words longer than this stay whole.
  static constexpr std::size_t kMaxWordLength = 100;
  // How many distinct words each kind remembers before it starts afresh.
  static constexpr std::size_t kRememberedWords = 1 << 16;
  // Reading syllables let the patterns cut single letters off both ends, and
  // then clean up; line-break syllables keep two letters at every edge.
  static constexpr HyphenLimits kReadingLimits{1, 1, 2, 2};
  static constexpr HyphenLimits kLineBreakLimits{2, 2, 2, 2};

  PatternSyllabifier(std::shared_ptr<const HyphenPatterns> patterns, SyllableExceptions exceptions = {});
  std::vector<std::size_t> Breaks(TextView text, SyllableKind kind) const override;

  // The breaks of one word, given in any case.
  std::vector<std::size_t> WordBreaks(TextView word, SyllableKind kind) const;

 private:
  std::vector<std::size_t> LowerWordBreaks(const Text& lower, SyllableKind kind) const;

  std::shared_ptr<const HyphenPatterns> patterns_;
  SyllableExceptions exceptions_;
  // Words of a text repeat; the patterns are asked once per word and kind.
  mutable std::mutex rememberedMutex_;
  mutable std::unordered_map<Text, std::vector<std::size_t>> remembered_[2];
};

struct SyllabifierLoad {
  std::shared_ptr<const Syllabifier> syllabifier;  // null when the patterns are missing
  Text error;                                      // the German message for the user
};

// An engine on the pattern file at patternPath (the default path when
// empty); the file is read only the first time.
SyllabifierLoad LoadSyllabifier(const std::string& patternPath = {}, SyllableExceptions exceptions = {});

}  // namespace tesmoran
