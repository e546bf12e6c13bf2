// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/ReadingSyllables.h"

#include <algorithm>
#include <iterator>

#include "syllables/SyllableOnsets.h"

namespace tesmoran {
namespace {

// The vowels that make up German vowel sounds; y and accented letters are
// left to the patterns.
bool IsPlainVowel(Char c) {
  switch (c) {
    case U'a':
    case U'e':
    case U'i':
    case U'o':
    case U'u':
    case U'ä':
    case U'ö':
    case U'ü': return true;
    default: return false;
  }
}

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
    if (p == U"ui") return i + 2 == w.size();  // pfui, hui; but Ru-i-ne, E-tu-i, e-va-lu-ie-ren
    return true;
  }
  return false;
}

// For every position k, whether two vowel sounds meet between k-1 and k:
// vowel runs are cut into sounds from the left, a pair taken where it forms
// one sound (Feu-er, Ei-er, The-a-ter) and no joint of the patterns lies
// inside it (an-ti-eu-ro-pä-isch).  A y between a consonant and a vowel is a
// vowel of its own (Hy-ä-ne).
std::vector<bool> VowelMeetings(TextView w, const std::vector<bool>& joint) {
  std::vector<bool> meets(w.size() + 1, false);
  std::size_t i = 0;
  while (i < w.size()) {
    if (w[i] == U'y' && i > 0 && i + 1 < w.size() && !IsSyllableVowel(w[i - 1]) && IsVowelAt(w, i + 1)) {
      meets[i + 1] = true;
    }
    if (!IsVowelAt(w, i)) {
      ++i;
      continue;
    }
    const bool pair = i + 1 < w.size() && IsVowelAt(w, i + 1) && IsVowelPair(w, i) && !joint[i + 1];
    const std::size_t next = i + (pair ? 2 : 1);
    if (next < w.size() && IsVowelAt(w, next)) meets[next] = true;
    i = next;
  }
  return meets;
}

// Where the break goes in the consonants w[from, to) between two vowel
// sounds: before the longest ending of them that may begin a syllable and
// is a single consonant, a unit (Ku-chen, Zu-cker, Fla-sche, Ma-the), a
// b p d t g k f before l or r (A-pril), sp or st after another consonant
// (er-stat-ten), or a cluster of three or more letters (ge-sprun-gen,
// In-stru-ment); so Mut-ter, Os-ten, Kir-sche.
std::size_t BreakInConsonants(TextView w, std::size_t from, std::size_t to) {
  static constexpr TextView kPairs[] = {U"ch", U"ck", U"ph", U"qu", U"th"};
  for (std::size_t start = from; start + 1 < to; ++start) {
    const TextView onset = w.substr(start, to - start);
    if (!IsAllowedOnset(onset)) continue;
    const bool unit = std::find(std::begin(kPairs), std::end(kPairs), onset) != std::end(kPairs);
    const bool stopAndLiquid = onset.size() == 2 && TextView(U"bpdtgkf").find(onset[0]) != TextView::npos &&
                               (onset[1] == U'l' || onset[1] == U'r');
    const bool spOrSt = start > from && (onset == U"sp" || onset == U"st");
    if (onset.size() >= 3 || unit || stopAndLiquid || spOrSt) return start;
  }
  return to - 1;
}

// Every vowel sound starts a syllable of its own: a piece that the patterns
// left with two vowel sounds parted by consonants is split between them
// (Groß-mut-ter, Back-o-fen, Spiel-e-cke, Bahn-ü-ber-gang).
void SplitPiecesWithTwoVowelSounds(TextView w, const std::vector<bool>& joint, std::vector<bool>& cut) {
  std::size_t soundEnd = 0;  // just after the last vowel sound of the current piece; 0 for none yet
  std::size_t i = 0;
  while (i < w.size()) {
    if (i > 0 && cut[i]) soundEnd = 0;
    // A y after a consonant is a vowel too (O-lym-pi-a-de, Ba-by).
    const bool yVowel = w[i] == U'y' && i > 0 && !IsSyllableVowel(w[i - 1]);
    if (!IsVowelAt(w, i) && !yVowel) {
      ++i;
      continue;
    }
    if (soundEnd != 0 && soundEnd < i) cut[BreakInConsonants(w, soundEnd, i)] = true;
    const bool pair = i + 1 < w.size() && IsVowelAt(w, i + 1) && IsVowelPair(w, i) && !joint[i + 1];
    i += pair ? 2 : 1;
    soundEnd = i;
  }
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

// No break inside ck, ch, qu or a vowel pair read as one sound; ph and s+ch
// are split only at a joint of the patterns (Knapp-heit, Amts-chef,
// Häus-chen).  A break inside a consonant unit moves before it (Zuc-ker
// becomes Zu-cker); one inside a vowel pair is dropped.
void KeepSoundsTogether(TextView w, const std::vector<bool>& joint, std::vector<bool>& cut) {
  for (std::size_t k = 1; k < w.size(); ++k) {
    if (!cut[k]) continue;
    if (SplitsVowelSound(w, k) && !joint[k]) {
      cut[k] = false;
      continue;
    }
    if (!SplitsConsonantUnit(w, k)) continue;
    if (joint[k] && (w[k - 1] == U'p' || w[k - 1] == U's')) continue;
    cut[k] = false;
    std::size_t start = k - 1;  // the c of ck and ch, the q of qu
    if (w[start] == U'c' && start > 0 && w[start - 1] == U's') --start;
    if (start > 0 && HasVowelBefore(w, start)) cut[start] = true;
  }
}

// A syllable never begins with a cluster that no German syllable begins with
// (Glü-cklich, Au-e-rhahn, Da-chkan-te): its break moves right to the first
// place whose onset may begin a syllable and splits no consonant unit
// (Glück-lich, Au-er-hahn, Dach-kan-te).
void MoveBreaksBeforeOnsets(TextView w, std::vector<bool>& cut) {
  for (std::size_t k = 1; k < w.size(); ++k) {
    if (!cut[k]) continue;
    const std::size_t vowel = k + OnsetAt(w, k).size();
    std::size_t to = k;
    // A unit split at k itself was let through above, at a joint.
    while (to < vowel && ((to != k && SplitsConsonantUnit(w, to)) || !IsAllowedOnset(OnsetAt(w, to)))) ++to;
    if (to == k) continue;
    cut[k] = false;
    if (to < w.size()) cut[to] = true;
    k = to;
  }
}

}  // namespace

bool SplitsVowelSound(TextView lower, std::size_t k) {
  if (k == 0 || k >= lower.size() || !IsVowelAt(lower, k - 1) || !IsVowelAt(lower, k)) return false;
  // The start of the vowel run, then its sounds from the left.
  std::size_t i = k - 1;
  while (i > 0 && IsVowelAt(lower, i - 1)) --i;
  while (i + 1 < k) i += IsVowelPair(lower, i) ? 2 : 1;
  return i + 1 == k && IsVowelPair(lower, i);
}

bool IsSyllableVowel(Char c) {
  if (c < 0x80) return IsPlainVowel(c) || c == U'y';
  return IsPlainVowel(c) || TextView(U"àáâãåæèéêëìíîïòóôõøùúûýÿ").find(c) != TextView::npos;
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
  // The joints that the rules below respect.
  const std::vector<bool> joint = cut;
  cut = ToCuts(n, MergeVowellessPieces(lower, ToBreaks(cut)));
  SplitPiecesWithTwoVowelSounds(lower, joint, cut);
  // Vowels that meet without forming one sound are split.
  const std::vector<bool> meets = VowelMeetings(lower, joint);
  for (std::size_t k = 1; k < n; ++k) {
    if (meets[k]) cut[k] = true;
  }
  KeepSoundsTogether(lower, joint, cut);
  MoveBreaksBeforeOnsets(lower, cut);
  return ToBreaks(cut);
}

}  // namespace tesmoran
