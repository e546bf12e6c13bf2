// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/SyllableWords.h"

namespace tesmoran {

bool IsSyllableLetter(Char c) {
  if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
  if (c < 0xC0) return false;                      // ASCII and the Latin-1 signs: ª µ º are not taken as letters
  if (c <= 0xFF) return c != 0xD7 && c != 0xF7;    // × ÷
  if (c < 0x2000) return true;                     // Latin extensions, Greek, Cyrillic, ... with their combining marks
  if (c < 0x2C00) return false;                    // general punctuation, symbols, arrows, dingbats
  if (c >= 0x3000 && c <= 0x303F) return false;    // CJK punctuation
  if (c >= 0xD800 && c <= 0xF8FF) return false;    // surrogates, private use
  if (c >= 0xFE00 && c <= 0xFE6F) return false;    // variation selectors, small and vertical forms
  if (c >= 0xFF00 && c <= 0xFF20) return false;    // full-width punctuation and digits
  if (c >= 0x1F000 && c <= 0x1FFFF) return false;  // emoji and pictographs
  return c <= 0x10FFFF;
}

bool IsLatin1(TextView word) {
  for (Char c : word) {
    if (c > 0xFF) return false;
  }
  return true;
}

std::vector<WordSpan> FindSyllableWords(TextView text) {
  std::vector<WordSpan> words;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsSyllableLetter(text[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && IsSyllableLetter(text[i])) ++i;
    words.push_back({start, i - start});
  }
  return words;
}

}  // namespace tesmoran
