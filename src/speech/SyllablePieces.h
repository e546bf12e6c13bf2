// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Silbenweise" reading cuts the text into the pieces that are spoken one by
// one: every stretch between spaces and line breaks, cut again where a
// reading syllable begins.  Punctuation stays with its piece, so that the
// voice still hears where a sentence ends.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

struct SyllablePiece {
  std::size_t position = 0;  // the whole piece, punctuation included
  std::size_t length = 0;
  // The letters and digits inside it, for highlighting; empty for a piece of
  // punctuation only (which is spoken but not marked).
  std::size_t markedPosition = 0;
  std::size_t markedLength = 0;
  bool endsWord = false;      // spaces or the end of the text follow
  bool endsSentence = false;  // it ends with . ! or ?
};

// True for a letter (any that has a case, and ß) or a digit.
bool IsSpokenLetter(Char c);

// The pieces of the text, given the syllable breaks of the whole text
// (ascending character positions before which a syllable starts).
std::vector<SyllablePiece> SyllablePieces(TextView text, const std::vector<std::size_t>& breaks);

}  // namespace tesmoran
