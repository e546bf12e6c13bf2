// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/VowelsAndConsonants.h"

#include "exercises/CharacterSets.h"
#include "exercises/GapMarks.h"

namespace tesmoran {
namespace {

// Keeps the characters of the kept class and the delimiters, hides those of
// the hidden class and drops the rest.
template <bool (*IsKept)(Char), bool (*IsHidden)(Char)>
Text KeepOneClass(TextView text) {
  Text out;
  out.reserve(text.size());
  for (Char c : text) {
    if (IsKept(c) || IsWordDelimiter(c)) {
      out.push_back(c);
    } else if (IsHidden(c)) {
      out.push_back(kGapMark);
    }
  }
  return out;
}

}  // namespace

Text ShowVowels(TextView text) { return KeepOneClass<IsVowel, IsConsonant>(text); }

Text ShowConsonants(TextView text) { return KeepOneClass<IsConsonant, IsVowel>(text); }

Text MarkConsonantsAndVowels(TextView text) {
  Text out(text);
  for (Char& c : out) {
    if (IsVowel(c)) {
      c = U'S';
    } else if (!IsWordDelimiter(c)) {
      c = U'M';
    }
  }
  return out;
}

}  // namespace tesmoran
