// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a syllable inside a German word may begin with, and which letter
// groups are one sound that no break may split.  Words here are lower case.
#include <cstddef>

#include "text/Text.h"

namespace tesmoran {

// True for a consonant run that begins syllables inside German words: none,
// a single consonant, ch ck sch ph qu, and the clusters German words begin
// with (bl, str, schw, pfl, ...).  Loan-only onsets such as rh or sz are not.
bool IsAllowedOnset(TextView consonants);

// The consonant letters at the start of the syllable that begins at start,
// up to its first vowel; the u of qu counts as a consonant.
TextView OnsetAt(TextView lower, std::size_t start);

// True when a break before offset k would split ck, ch, sch, ph or qu.
bool SplitsConsonantUnit(TextView lower, std::size_t k);

}  // namespace tesmoran
