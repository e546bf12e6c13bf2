// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SyllablePieces.h"

#include <algorithm>

#include "text/CaseMap.h"

namespace tesmoran {
namespace {

bool IsGap(Char c) { return c == kSpace || c == U'\t' || c == kCR || c == kLF || c == 0xA0 || c == U'\f'; }

SyllablePiece MakePiece(TextView text, std::size_t begin, std::size_t end) {
  SyllablePiece piece;
  piece.position = begin;
  piece.length = end - begin;
  std::size_t first = begin;
  while (first < end && !IsSpokenLetter(text[first])) ++first;
  std::size_t last = end;
  while (last > first && !IsSpokenLetter(text[last - 1])) --last;
  piece.markedPosition = first;
  piece.markedLength = last - first;
  piece.endsWord = end == text.size() || IsGap(text[end]);
  const Char tail = text[end - 1];
  piece.endsSentence = tail == U'.' || tail == U'!' || tail == U'?';
  return piece;
}

}  // namespace

bool IsSpokenLetter(Char c) { return (c >= U'0' && c <= U'9') || c == U'ß' || ToLowerChar(c) != ToUpperChar(c); }

std::vector<SyllablePiece> SyllablePieces(TextView text, const std::vector<std::size_t>& breaks) {
  std::vector<SyllablePiece> pieces;
  auto nextBreak = breaks.begin();
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsGap(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !IsGap(text[end])) ++end;
    std::size_t begin = i;
    nextBreak = std::upper_bound(nextBreak, breaks.end(), begin);
    for (; nextBreak != breaks.end() && *nextBreak < end; ++nextBreak) {
      pieces.push_back(MakePiece(text, begin, *nextBreak));
      begin = *nextBreak;
    }
    pieces.push_back(MakePiece(text, begin, end));
    i = end;
  }
  return pieces;
}

}  // namespace tesmoran
