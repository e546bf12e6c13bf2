// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/ShuffleAndAlphabet.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "exercises/CharacterSets.h"
#include "exercises/Random.h"
#include "exercises/TransformWords.h"
#include "text/CaseMap.h"
#include "text/Cp1252.h"

namespace tesmoran {
namespace {

// 0-based position Int(r * n) in a rest of n characters.
std::size_t DrawIndex(double r, std::size_t n) {
  const auto p = static_cast<std::size_t>(r * static_cast<double>(n));
  return p < n ? p : n - 1;
}

// The positions of a long word that are not drawn yet, as a Fenwick tree of
// ones, so that the k-th remaining position is found without moving the rest.
class RemainingPositions {
 public:
  explicit RemainingPositions(std::size_t n) : tree_(n + 1, 0) {
    for (std::size_t i = 1; i <= n; ++i) {
      tree_[i] += 1;
      const std::size_t parent = i + (i & (~i + 1));
      if (parent <= n) tree_[parent] += tree_[i];
    }
    while (top_ * 2 <= n) top_ *= 2;
  }

  // Removes and returns the 0-based index of the k-th (0-based) remaining position.
  std::size_t Take(std::size_t k) {
    std::size_t index = 0;
    for (std::size_t step = top_; step > 0; step /= 2) {
      const std::size_t next = index + step;
      if (next < tree_.size() && tree_[next] <= k) {
        index = next;
        k -= tree_[next];
      }
    }
    for (std::size_t i = index + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] -= 1;
    return index;
  }

 private:
  std::vector<std::size_t> tree_;
  std::size_t top_ = 1;
};

inline constexpr std::size_t kShortWord = 64;

// Puts the characters of the word in their drawn order, one put(c) each.
template <class Draw, class Put>
void PutShuffledWord(TextView word, Draw&& draw, Put&& put) {
  const std::size_t n = word.size();
  if (n == 0) {
    draw();  // the draw of the empty rest
    return;
  }
  if (n <= kShortWord) {
    // Short words: the rest is a bit mask of the positions not drawn yet;
    // the p-th remaining position is the p-th set bit.
    std::uint64_t rest = n == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
    for (std::size_t left = n; left > 0; --left) {
      std::uint64_t bits = rest;
      for (std::size_t p = DrawIndex(draw(), left); p > 0; --p) bits &= bits - 1;
      const std::uint64_t drawn = bits & (~bits + 1);
      put(word[static_cast<std::size_t>(std::countr_zero(drawn))]);
      rest &= ~drawn;
    }
    return;
  }
  RemainingPositions remaining(n);
  for (std::size_t left = n; left > 0; --left) {
    put(word[remaining.Take(DrawIndex(draw(), left))]);
  }
}

template <class Draw>
void AppendShuffledWord(TextView word, Draw&& draw, Text& out) {
  PutShuffledWord(word, draw, [&out](Char c) { out.push_back(c); });
}

constexpr std::array<std::int8_t, 256> BuildAlphabetRanks() {
  std::array<std::int8_t, 256> ranks{};
  ranks.fill(-1);
  for (std::size_t r = 0; r < AlphabetOrder.size(); ++r) {
    ranks[AlphabetOrder[r]] = static_cast<std::int8_t>(r);
  }
  return ranks;
}

inline constexpr std::array<std::int8_t, 256> kAlphabetRanks = BuildAlphabetRanks();
inline constexpr std::size_t kAlphabetSize = AlphabetOrder.size();

void AppendSortedWord(TextView word, Text& out) {
  if (word.size() <= kShortWord) {
    // Short words: the ranks of their letters sorted by insertion.
    std::array<std::int8_t, kShortWord> ranks;
    std::size_t count = 0;
    for (Char c : word) {
      const std::int8_t rank = c < 256 ? kAlphabetRanks[c] : std::int8_t{-1};
      if (rank < 0) continue;
      std::size_t i = count++;
      for (; i > 0 && ranks[i - 1] > rank; --i) ranks[i] = ranks[i - 1];
      ranks[i] = rank;
    }
    for (std::size_t i = 0; i < count; ++i) out.push_back(AlphabetOrder[ranks[i]]);
    return;
  }
  std::array<std::uint32_t, kAlphabetSize> counts{};
  for (Char c : word) {
    if (c < 256 && kAlphabetRanks[c] >= 0) ++counts[kAlphabetRanks[c]];
  }
  for (std::size_t r = 0; r < kAlphabetSize; ++r) {
    if (counts[r] != 0) out.append(counts[r], AlphabetOrder[r]);
  }
}

// The number of one character: umlauts folded, upper-cased, its position
// in LetterTable.  Characters outside code page 1252 have no number, even
// when their capital would be a Latin letter.
unsigned LetterNumber(Char c) {
  switch (c) {
    case U'ä': case U'Ä': return 1;
    case U'ö': case U'Ö': return 15;
    case U'ü': case U'Ü': return 21;
    case U'ß': return 19;
    default: break;
  }
  if (!IsCp1252(c)) return 0;
  const Char upper = ToUpperChar(c);
  return upper >= U'A' && upper <= U'Z' ? static_cast<unsigned>(upper - U'A' + 1) : 0;
}

void AppendNumberedWord(TextView word, Text& out) {
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (i > 0) out.push_back(U'+');
    const unsigned n = LetterNumber(word[i]);
    if (n >= 10) out.push_back(static_cast<Char>(U'0' + n / 10));
    out.push_back(static_cast<Char>(U'0' + n % 10));
  }
}

}  // namespace

Text ShuffleWord(TextView word, const RandomDraw& draw) {
  return BuildText(word.size(), [&](Text& out) { AppendShuffledWord(word, draw, out); });
}

Text ShuffleWord(TextView word) { return ShuffleWord(word, NextRandom); }

Text ShuffleWords(Text text) {
  // A shuffled word is as long as the word and takes its place: each word is
  // copied aside (a short one onto the stack) and drawn back into its place.
  Text longWord;
  const auto shuffleInPlace = [&longWord](Char* first, std::size_t length) {
    const auto put = [&first](Char c) { *first++ = c; };
    if (length <= kShortWord) {
      std::array<Char, kShortWord> word;
      std::copy_n(first, length, word.begin());
      PutShuffledWord(TextView(word.data(), length), NextRandom, put);
    } else {
      longWord.assign(first, length);
      PutShuffledWord(longWord, NextRandom, put);
    }
  };
  TransformWordsInPlace(text, shuffleInPlace);
  return text;
}

Text SortWordByAlphabet(TextView word) {
  return BuildText(word.size(), [word](Text& out) { AppendSortedWord(word, out); });
}

Text SortWordsByAlphabet(TextView text) { return TransformWordsWith(text, text.size(), AppendSortedWord); }

Text NumberWordLetters(TextView word) {
  return BuildText(word.size() * 3, [word](Text& out) { AppendNumberedWord(word, out); });
}

Text NumberWordsLetters(TextView text) { return TransformWordsWith(text, text.size() * 3, AppendNumberedWord); }

}  // namespace tesmoran
