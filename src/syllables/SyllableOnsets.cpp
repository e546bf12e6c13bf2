// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/SyllableOnsets.h"

#include <algorithm>
#include <iterator>

#include "syllables/ReadingSyllables.h"

namespace tesmoran {
namespace {

// Every onset that a syllable inside a word may have, besides a single
// consonant: the consonant units, and the clusters that German words
// begin with, including those of common loanwords read the German way
// (Ski, Sphä-re, Chlor, Throm-bo-se, Jo-ghurt, Cla-ra).  Sorted.
constexpr TextView kOnsets[] = {
    U"bl",  U"br",   U"ch",   U"chl",  U"chr",  U"ck",   U"cl",  U"cr",  U"dr",  U"dsch", U"fl",   U"fr", U"gh", U"gl",
    U"gn",  U"gr",   U"kl",   U"kn",   U"kr",   U"pf",   U"pfl", U"pfr", U"ph",  U"phl",  U"phr",  U"pl", U"pr", U"qu",
    U"sch", U"schl", U"schm", U"schn", U"schr", U"schw", U"sh",  U"sk",  U"skl", U"skr",  U"sl",   U"sm", U"sn", U"sp",
    U"sph", U"spl",  U"spr",  U"squ",  U"st",   U"str",  U"sw",  U"th",  U"thr", U"tr",   U"tsch", U"vl", U"wr", U"zw",
};
static_assert(std::is_sorted(std::begin(kOnsets), std::end(kOnsets)));

}  // namespace

bool IsAllowedOnset(TextView consonants) {
  if (consonants.size() <= 1) return true;
  return std::binary_search(std::begin(kOnsets), std::end(kOnsets), consonants);
}

TextView OnsetAt(TextView lower, std::size_t start) {
  std::size_t end = start;
  while (end < lower.size()) {
    const bool quU = lower[end] == U'u' && end > start && lower[end - 1] == U'q';
    if (IsSyllableVowel(lower[end]) && !quU) break;
    ++end;
  }
  return lower.substr(start, end - start);
}

bool SplitsConsonantUnit(TextView lower, std::size_t k) {
  if (k == 0 || k >= lower.size()) return false;
  const Char before = lower[k - 1];
  const Char after = lower[k];
  if (before == U'c' && (after == U'k' || after == U'h')) return true;  // ck, ch, and the c|h of sch
  if (before == U'p' && after == U'h') return true;
  if (before == U'q' && after == U'u') return true;
  return before == U's' && after == U'c' && k + 1 < lower.size() && lower[k + 1] == U'h';  // s|ch
}

}  // namespace tesmoran
