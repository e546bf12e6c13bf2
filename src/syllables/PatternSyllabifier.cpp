// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/PatternSyllabifier.h"

#include "syllables/ReadingSyllables.h"
#include "syllables/SyllableWords.h"
#include "text/CaseMap.h"

namespace tesmoran {
PatternSyllabifier::PatternSyllabifier(std::shared_ptr<const HyphenPatterns> patterns, SyllableExceptions exceptions)
    : patterns_(std::move(patterns)), exceptions_(std::move(exceptions)) {}

std::vector<std::size_t> PatternSyllabifier::WordBreaks(TextView word, SyllableKind kind) const {
  if (word.size() < 2 || word.size() > kMaxWordLength) return {};
  const Text lower = ToLower(word);
  if (auto own = exceptions_.Find(lower)) return *own;
  if (!IsLatin1(lower) || patterns_ == nullptr) return {};
  auto& remembered = remembered_[kind == SyllableKind::kReading ? 0 : 1];
  {
    std::lock_guard<std::mutex> lock(rememberedMutex_);
    if (auto it = remembered.find(lower); it != remembered.end()) return it->second;
  }
  std::vector<std::size_t> breaks = LowerWordBreaks(lower, kind);
  std::lock_guard<std::mutex> lock(rememberedMutex_);
  if (remembered.size() >= kRememberedWords) remembered.clear();
  remembered.emplace(lower, breaks);
  return breaks;
}

std::vector<std::size_t> PatternSyllabifier::LowerWordBreaks(const Text& lower, SyllableKind kind) const {
  if (kind == SyllableKind::kLineBreak) {
    return MergeVowellessPieces(lower, patterns_->Breaks(lower, kLineBreakLimits));
  }
  return ReadingBreaks(lower, patterns_->Breaks(lower, kReadingLimits));
}

std::vector<std::size_t> PatternSyllabifier::Breaks(TextView text, SyllableKind kind) const {
  std::vector<std::size_t> breaks;
  for (const WordSpan& span : FindSyllableWords(text)) {
    for (std::size_t b : WordBreaks(text.substr(span.start, span.length), kind)) breaks.push_back(span.start + b);
  }
  return breaks;
}

SyllabifierLoad LoadSyllabifier(const std::string& patternPath, SyllableExceptions exceptions) {
  HyphenPatterns::Load load = HyphenPatterns::Open(patternPath);
  if (load.patterns == nullptr) return {nullptr, std::move(load.error)};
  return {std::make_shared<PatternSyllabifier>(std::move(load.patterns), std::move(exceptions)), {}};
}

}  // namespace tesmoran
