// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the hyphenation points of a word into reading syllables, the pieces
// that primary-school material prints: single vowels at a word's edges stand
// alone (O-ma, A-bend), vowels that do not form one sound are split (Ra-di-o,
// O-a-se), every vowel sound starts a syllable (Back-o-fen), and no piece
// is left without a vowel (Abend, not A-ben-d).  No syllable begins with a
// cluster that cannot begin one (Glück-lich, not Glü-cklich; see
// SyllableOnsets.h), and ck, ch, qu and one-sound vowel pairs stay whole.
//
// Words here are lower case; breaks are ascending offsets inside the word
// (1 .. size-1) before which a syllable starts.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

// A vowel for the "every piece has a vowel" rule: a e i o u y, the umlauts
// and the accented vowels of ISO-8859-1.
bool IsSyllableVowel(Char lower);

// True when a break before offset k would split two vowel letters that are
// read as one sound (Ei-er, not E-i-er), the vowels of a word being cut into
// sounds from the left.
bool SplitsVowelSound(TextView lower, std::size_t k);

// Joins every piece without a vowel to the piece after it, and the last
// piece to the one before it: kin-d-er becomes kin-der, a-ben-d a-bend.
std::vector<std::size_t> MergeVowellessPieces(TextView lower, const std::vector<std::size_t>& breaks);

// The reading syllables of a word from the breaks that the hyphenation
// patterns give when single letters are allowed at both edges.
std::vector<std::size_t> ReadingBreaks(TextView lower, const std::vector<std::size_t>& patternBreaks);

}  // namespace tesmoran
