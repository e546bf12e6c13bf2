// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vowel and consonant exercises.  Each looks at one character at a time.
// Vowels: A E I O U Ä Ö Ü in both forms; consonants: the other letters of
// the Latin alphabet in both forms and «ß»; delimiters: the word delimiters.
// Everything else (digits, hyphen, quotation marks, «é», tab, CR, LF) is an
// other character.
#include "text/Text.h"

namespace tesmoran {

// "Selbstlaute": vowels and delimiters stay, consonants become "_", other
// characters are dropped.
Text ShowVowels(TextView text);
// "Mitlaute": consonants and delimiters stay, vowels become "_", other
// characters are dropped.
Text ShowConsonants(TextView text);
// "MitSel-Wörter": vowels become "S", delimiters stay, every other character
// becomes "M"; the length does not change.
Text MarkConsonantsAndVowels(TextView text);

}  // namespace tesmoran
