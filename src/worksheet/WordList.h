// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word list: ordered entries, each a text and a selected flag.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

struct WordEntry {
  Text text;
  bool selected = false;

  friend bool operator==(const WordEntry&, const WordEntry&) = default;
};

class WordList {
 public:
  // Counts and indices of the list are 16-bit signed numbers.
  static constexpr std::size_t kMaxEntries = 32767;

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const Text& EntryText(std::size_t index) const { return entries_.at(index).text; }
  bool IsSelected(std::size_t index) const { return entries_.at(index).selected; }
  bool AnySelected() const;
  const std::vector<WordEntry>& Entries() const { return entries_; }
  std::vector<Text> Texts() const;

  void SetEntryText(std::size_t index, Text text);
  void SetSelected(std::size_t index, bool selected);
  // Appends an unselected entry; false (and nothing appended) when the list is full.
  bool Append(Text text);
  // Removes every selected entry in one pass; the others keep their order.
  // Returns the number of entries removed.
  std::size_t RemoveSelected();
  // Sets or clears the selected flag of every entry.
  void SetAllSelected(bool selected);
  void Clear();
  // Replaces all entries by unselected entries with these texts.
  void Assign(const std::vector<Text>& texts);

  // Grows by one with every change, so that a view knows when to redraw.
  std::uint64_t Revision() const { return revision_; }

 private:
  std::vector<WordEntry> entries_;
  std::uint64_t revision_ = 0;
};

}  // namespace tesmoran
