// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of a word list, indexed for a lookup in constant time.  The
// index holds entry numbers, not copies: the texts stay in the list.  It
// has room for every entry a list can ever hold, so it never grows.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "worksheet/WordList.h"
#include "text/Text.h"

namespace tesmoran {

class KnownWords {
 public:
  // Indexes the entries the list holds now.  While the index lives, the list
  // may only grow at its end.
  explicit KnownWords(const WordList& list);

  // True when an indexed entry equals `word` character for character.
  bool Contains(TextView word) const;
  // Indexes the list's entry at `index` (appended after construction).
  void Add(std::size_t index);

 private:
  struct Slot {
    std::size_t hash = 0;
    std::uint32_t entryPlusOne = 0;  // 0: empty slot
  };

  static std::size_t Hash(TextView word);
  // The slot that holds `word`, or the empty slot where it belongs.
  std::size_t Find(TextView word, std::size_t hash) const;

  const WordList& list_;
  std::vector<Slot> slots_;
};

}  // namespace tesmoran
