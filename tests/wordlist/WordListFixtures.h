#pragma once
// Small helpers shared by the word-list tests.
#include <cstddef>
#include <set>
#include <vector>

#include "wordlist/WordList.h"

namespace tesmoran::testing {

// A word list with these entries; the indices in `selected` are selected.
inline WordList MakeList(const std::vector<Text>& texts, const std::set<std::size_t>& selected = {}) {
  WordList list;
  for (const Text& t : texts) list.Append(t);
  for (std::size_t i : selected) list.SetSelected(i, true);
  return list;
}

inline std::vector<std::size_t> SelectedIndices(const WordList& list) {
  std::vector<std::size_t> indices;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSelected(i)) indices.push_back(i);
  }
  return indices;
}

}  // namespace tesmoran::testing
