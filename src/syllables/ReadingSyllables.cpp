// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/ReadingSyllables.h"

namespace tesmoran {
namespace {

// The vowels that make up German vowel sounds; y and accented letters are
// left to the patterns.
bool IsPlainVowel(Char c) { return TextView(U"aeiouäöü").find(c) != TextView::npos; }

// The vowel letter at i, where a u after q counts as part of the consonant qu.
bool IsVowelAt(TextView w, std::size_t i) {
  if (!IsPlainVowel(w[i])) return false;
  return !(w[i] == U'u' && i > 0 && w[i - 1] == U'q');
}

bool EndsWith(TextView w, std::size_t end, TextView tail) {
  return end >= tail.size() && w.substr(end - tail.size(), tail.size()) == tail;
}

bool HasVowelBefore(TextView w, std::size_t end) {
  for (std::size_t i = 0; i < end; ++i) {
    if (IsVowelAt(w, i)) return true;
  }
  return false;
}

// «ie» at i is spoken as two vowels at the end of words like Fa-mi-li-e,
// Li-ni-e, Fe-ri-en, I-ta-li-en; it stays one long i in Knie, schien and in
// the stressed endings Har-mo-nie, Bat-te-rie.
bool IsSplitIe(TextView w, std::size_t i) {
  const std::size_t n = w.size();
  if (i + 2 == n) {
    if (i < 2 || (w[i - 1] != U'l' && w[i - 1] != U'n')) return false;
    if (!IsPlainVowel(w[i - 2])) return false;
    return !(w[i - 2] == U'o' && w[i - 1] == U'n');
  }
  if (i + 3 == n && w[n - 1] == U'n') {
    if (i < 1 || IsPlainVowel(w[i - 1]) || EndsWith(w, i, U"sch")) return false;
    return HasVowelBefore(w, i - 1);
  }
  return false;
}

// «ee» at i before a plural ending n is two vowels after an earlier
// syllable: I-de-en, Al-le-en.  See and Seen stay one syllable, and so,
// wrongly, does Feen.
bool IsSplitEe(TextView w, std::size_t i) { return i + 3 == w.size() && w[i + 2] == U'n' && HasVowelBefore(w, i); }

// Two vowel letters at i that are read as one sound.
bool IsVowelPair(TextView w, std::size_t i) {
  static constexpr TextView kPairs[] = {U"ei", U"ai", U"au", U"eu", U"äu", U"ie", U"aa", U"ee", U"oo", U"ui", U"ou"};
  const TextView pair = w.substr(i, 2);
  for (TextView p : kPairs) {
    if (pair != p) continue;
    if (p == U"ie") return !IsSplitIe(w, i);
    if (p == U"ee") return !IsSplitEe(w, i);
    return true;
  }
  return false;
}

// For every position k, whether two vowel sounds meet between k-1 and k:
// vowel runs are cut into sounds from the left, a pair taken where it forms
// one sound (Feu-er, Ei-er, The-a-ter).
std::vector<bool> VowelMeetings(TextView w) {
  std::vector<bool> meets(w.size() + 1, false);
  std::size_t i = 0;
  while (i < w.size()) {
    if (!IsVowelAt(w, i)) {
      ++i;
      continue;
    }
    std::size_t sound = (i + 1 < w.size() && IsVowelAt(w, i + 1) && IsVowelPair(w, i)) ? 2 : 1;
    std::size_t next = i + sound;
    if (next < w.size() && IsVowelAt(w, next)) meets[next] = true;
    i = next;
  }
  return meets;
}

// The length of the consonant that follows a word's first vowel, with ch,
// ck, ph, qu and sch as one consonant and a b p d t g k f followed by l or r
// as one onset (A-fri-ka, A-pril).
std::size_t LeadingConsonantLength(TextView w) {
  const TextView rest = w.substr(1);
  if (rest.starts_with(U"sch")) return 3;
  if (rest.starts_with(U"ch") || rest.starts_with(U"ck") || rest.starts_with(U"ph") || rest.starts_with(U"qu")) {
    return 2;
  }
  if (rest.size() >= 2 && TextView(U"bpdtgkf").find(rest[0]) != TextView::npos &&
      (rest[1] == U'l' || rest[1] == U'r')) {
    return 2;
  }
  return 1;
}

std::vector<std::size_t> ToBreaks(const std::vector<bool>& cut) {
  std::vector<std::size_t> breaks;
  for (std::size_t k = 1; k + 1 < cut.size(); ++k) {
    if (cut[k]) breaks.push_back(k);
  }
  return breaks;
}

std::vector<bool> ToCuts(std::size_t size, const std::vector<std::size_t>& breaks) {
  std::vector<bool> cut(size + 1, false);
  for (std::size_t b : breaks) {
    if (b > 0 && b < size) cut[b] = true;
  }
  return cut;
}

bool IsSameLongVowel(TextView w, std::size_t k) {
  return w[k - 1] == w[k] && (w[k] == U'a' || w[k] == U'e' || w[k] == U'o') && IsVowelPair(w, k - 1);
}

}  // namespace

bool IsSyllableVowel(Char c) {
  return IsPlainVowel(c) || TextView(U"yàáâãåæèéêëìíîïòóôõøùúûýÿ").find(c) != TextView::npos;
}

std::vector<std::size_t> MergeVowellessPieces(TextView lower, const std::vector<std::size_t>& breaks) {
  std::vector<std::size_t> kept;
  std::size_t start = 0;  // start of the piece that is being built
  for (std::size_t b : breaks) {
    if (b <= start || b >= lower.size()) continue;
    bool hasVowel = false;
    for (std::size_t i = start; i < b && !hasVowel; ++i) hasVowel = IsSyllableVowel(lower[i]);
    if (!hasVowel) continue;  // the piece grows on to the next break
    kept.push_back(b);
    start = b;
  }
  bool lastHasVowel = false;
  for (std::size_t i = start; i < lower.size() && !lastHasVowel; ++i) lastHasVowel = IsSyllableVowel(lower[i]);
  if (!lastHasVowel && !kept.empty()) kept.pop_back();
  return kept;
}

std::vector<std::size_t> ReadingBreaks(TextView lower, const std::vector<std::size_t>& patternBreaks) {
  const std::size_t n = lower.size();
  if (n < 2) return {};
  std::vector<bool> cut = ToCuts(n, patternBreaks);
  // Long aa, ee, oo are never cut (I-dee, not I-de-e).
  for (std::size_t k = 1; k < n; ++k) {
    if (cut[k] && IsSameLongVowel(lower, k)) cut[k] = false;
  }
  // A single letter at an edge comes only from the rules below: the patterns
  // are not made for such short pieces.
  cut[1] = false;
  cut[n - 1] = false;
  cut = ToCuts(n, MergeVowellessPieces(lower, ToBreaks(cut)));

  // A first vowel before a single consonant and a vowel stands alone.
  std::size_t firstEnd = 1;
  while (firstEnd < n && !cut[firstEnd]) ++firstEnd;
  if (n >= 3 && IsVowelAt(lower, 0) && !IsSyllableVowel(lower[1])) {
    const std::size_t next = 1 + LeadingConsonantLength(lower);
    if (next < firstEnd && IsSyllableVowel(lower[next])) cut[1] = true;
  }
  // Vowels that meet without forming one sound are split.
  const std::vector<bool> meets = VowelMeetings(lower);
  for (std::size_t k = 1; k < n; ++k) {
    if (meets[k]) cut[k] = true;
  }
  return ToBreaks(cut);
}

}  // namespace tesmoran
