// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text of pages of school sentences, with umlauts, ß, digits, commas and
// line breaks, for the tests and benchmarks that need "one page" (about
// 2,600 characters) or "ten pages".
#include <cstddef>
#include <iterator>

#include "text/Text.h"

namespace tesmoran::testing {

inline constexpr std::size_t kOnePage = 2600;

inline Text SchoolSentences(std::size_t atLeast) {
  static const TextView kSentences[] = {
      U"Der Hund bellt laut, die Katze miaut. ",      U"Über die Straße läuft ein großer Bär mit 3 Äpfeln! ",
      U"Wir bleiben heute zu Hause; es regnet.\r\n",  U"Die Kinder üben fleißig Wörter und Sätze. ",
      U"Oma liest am Abend ein spannendes Buch?\r\n",
  };
  Text text;
  for (std::size_t i = 0; text.size() < atLeast; ++i) text.append(kSentences[i % std::size(kSentences)]);
  return text;
}

}  // namespace tesmoran::testing
