// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/HyphenateText.h"

namespace tesmoran {

Text HyphenateText(TextView text, const Syllabifier& syllabifier, SyllableKind kind) {
  const std::vector<std::size_t> breaks = syllabifier.Breaks(text, kind);
  Text out;
  out.reserve(text.size() + breaks.size());
  std::size_t next = 0;  // the next break to place
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (next < breaks.size() && breaks[next] < i) ++next;  // ignores a repeated or unsorted break
    if (next < breaks.size() && breaks[next] == i && i > 0) out.push_back(U'-');
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace tesmoran
