// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words that syllables are looked for in: maximal runs of letters.  A
// hyphen, an apostrophe, a digit or any punctuation ends a word, so
// «E-Mail» and «geht's» are two words each.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

struct WordSpan {
  std::size_t start = 0;
  std::size_t length = 0;
};

// Letters of any script count, so that a word written partly in another
// alphabet stays one word; symbols, punctuation and emoji do not.
bool IsSyllableLetter(Char c);

// True when every character has a code below 256 (ISO-8859-1).
bool IsLatin1(TextView word);

std::vector<WordSpan> FindSyllableWords(TextView text);

}  // namespace tesmoran
