// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WordList.h"

#include <algorithm>

namespace tesmoran {

bool WordList::AnySelected() const {
  return std::any_of(entries_.begin(), entries_.end(), [](const WordEntry& e) { return e.selected; });
}

std::vector<Text> WordList::Texts() const {
  std::vector<Text> texts;
  texts.reserve(entries_.size());
  for (const WordEntry& e : entries_) texts.push_back(e.text);
  return texts;
}

void WordList::SetEntryText(std::size_t index, Text text) {
  WordEntry& entry = entries_.at(index);
  if (entry.text == text) return;
  entry.text = std::move(text);
  ++revision_;
}

void WordList::SetSelected(std::size_t index, bool selected) {
  WordEntry& entry = entries_.at(index);
  if (entry.selected == selected) return;
  entry.selected = selected;
  ++revision_;
}

bool WordList::Append(Text text) {
  if (entries_.size() >= kMaxEntries) return false;
  entries_.push_back(WordEntry{std::move(text), false});
  ++revision_;
  return true;
}

std::size_t WordList::RemoveSelected() {
  const auto firstRemoved = std::remove_if(entries_.begin(), entries_.end(),
                                           [](const WordEntry& e) { return e.selected; });
  const auto removed = static_cast<std::size_t>(entries_.end() - firstRemoved);
  if (removed == 0) return 0;
  entries_.erase(firstRemoved, entries_.end());
  ++revision_;
  return removed;
}

void WordList::SetAllSelected(bool selected) {
  bool changed = false;
  for (WordEntry& e : entries_) {
    changed = changed || e.selected != selected;
    e.selected = selected;
  }
  if (changed) ++revision_;
}

void WordList::Clear() {
  if (entries_.empty()) return;
  entries_.clear();
  ++revision_;
}

void WordList::Assign(const std::vector<Text>& texts) {
  entries_.clear();
  const std::size_t n = std::min(texts.size(), kMaxEntries);
  entries_.reserve(n);
  for (std::size_t i = 0; i < n; ++i) entries_.push_back(WordEntry{texts[i], false});
  ++revision_;
}

}  // namespace tesmoran
