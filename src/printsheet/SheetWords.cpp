// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/SheetWords.h"

#include <algorithm>

namespace tesmoran {
namespace {

bool IsBlank(Char c) { return c == kSpace || (IsControlChar(c) && c != kCR && c != kLF); }

// What decides whether two neighbouring characters share a piece.
struct PieceKey {
  Ink ink = Ink::kBlack;
  bool arc = false;
  int syllable = -1;
  friend bool operator==(const PieceKey&, const PieceKey&) = default;
};

void AppendChar(std::vector<Piece>& pieces, Char c, const PieceKey& key, PieceKey& lastKey) {
  if (c == kGapMark) {
    pieces.push_back(Piece{Text(1, c), Ink::kBlack, false, true});
    lastKey = PieceKey{Ink::kBlack, false, -2};
    return;
  }
  if (pieces.empty() || pieces.back().gap || !(key == lastKey)) {
    pieces.push_back(Piece{Text(), key.ink, key.arc, false});
  }
  pieces.back().text.push_back(c);
  lastKey = key;
}

void SplitLine(TextView line, const WordMarking& marking, SourceLine& out) {
  std::size_t spaces = 0;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++spaces;
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    out.words.push_back(Word{spaces, SplitWord(line.substr(i, end - i), marking)});
    spaces = 0;
    i = end;
  }
}

}  // namespace

std::vector<Piece> SplitWord(TextView word, const WordMarking& marking) {
  std::vector<std::size_t> breaks;
  const bool marked = marking.marks != SyllableMarks::kNone && marking.syllabifier != nullptr;
  if (marked) breaks = marking.syllabifier->Breaks(word, marking.kind);

  std::vector<Piece> pieces;
  PieceKey lastKey;
  std::size_t nextBreak = 0;
  int syllable = 0;
  bool letterSeen = false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    bool startsSyllable = false;
    while (nextBreak < breaks.size() && breaks[nextBreak] <= i) {
      if (breaks[nextBreak] == i && letterSeen) startsSyllable = true;
      ++nextBreak;
    }
    if (startsSyllable) {
      ++syllable;
      if (marking.marks == SyllableMarks::kHyphens) {
        pieces.push_back(Piece{U"-", Ink::kBlack, false, false});
        lastKey = PieceKey{Ink::kBlack, false, -3};
      }
    }
    const Char c = word[i];
    PieceKey key;
    if (marked && IsSyllableLetter(c)) {
      letterSeen = true;
      key.syllable = syllable;
      if (marking.marks == SyllableMarks::kColours) key.ink = syllable % 2 == 0 ? Ink::kFirst : Ink::kSecond;
      if (marking.marks == SyllableMarks::kArcs) key.arc = true;
    }
    AppendChar(pieces, c, key, lastKey);
  }
  return pieces;
}

std::vector<SourceLine> SplitSheetText(TextView text, const WordMarking& marking) {
  std::vector<SourceLine> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = start;
    while (end < text.size() && text[end] != kCR && text[end] != kLF) ++end;
    lines.emplace_back();
    SplitLine(text.substr(start, end - start), marking, lines.back());
    if (end >= text.size()) break;
    start = end + 1;
    if (text[end] == kCR && start < text.size() && text[start] == kLF) ++start;
  }
  return lines;
}

}  // namespace tesmoran
