// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/KnownWords.h"

#include <functional>

namespace tesmoran {

namespace {

// A power of two at least twice the list's limit: the table is never more
// than half full, so every probe sequence is short and ends.
constexpr std::size_t kSlotCount = 65536;
static_assert(kSlotCount >= 2 * WordList::kMaxEntries && (kSlotCount & (kSlotCount - 1)) == 0);

}  // namespace

KnownWords::KnownWords(const WordList& list) : list_(list), slots_(kSlotCount) {
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (!Contains(list.Entries()[i].text)) Add(i);
  }
}

std::size_t KnownWords::Hash(TextView word) { return std::hash<TextView>{}(word); }

std::size_t KnownWords::Find(TextView word, std::size_t hash) const {
  std::size_t slot = hash & (kSlotCount - 1);
  while (slots_[slot].entryPlusOne != 0) {
    const Slot& s = slots_[slot];
    if (s.hash == hash && list_.Entries()[s.entryPlusOne - 1].text == word) return slot;
    slot = (slot + 1) & (kSlotCount - 1);
  }
  return slot;
}

bool KnownWords::Contains(TextView word) const {
  return slots_[Find(word, Hash(word))].entryPlusOne != 0;
}

void KnownWords::Add(std::size_t index) {
  const TextView word = list_.Entries()[index].text;
  const std::size_t hash = Hash(word);
  Slot& slot = slots_[Find(word, hash)];
  if (slot.entryPlusOne != 0) return;
  slot.hash = hash;
  slot.entryPlusOne = static_cast<std::uint32_t>(index + 1);
}

}  // namespace tesmoran
