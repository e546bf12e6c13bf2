// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solution text cut up for the page: paper lines (a line break starts a
// new one), words (separated by spaces), and pieces inside each word that
// are drawn in one colour with or without an arc.  Every gap mark `_` is a
// piece of its own so that a small space can follow it.
#include <cstddef>
#include <vector>

#include "printsheet/SheetSettings.h"
#include "syllables/Syllabifier.h"
#include "syllables/SyllableWords.h"
#include "text/Text.h"

namespace tesmoran {

inline constexpr Char kGapMark = U'_';

// 0 is black; 1 and 2 are the two syllable colours.
enum class Ink { kBlack = 0, kFirst = 1, kSecond = 2 };

struct Piece {
  Text text;
  Ink ink = Ink::kBlack;
  bool arc = false;  // an arc is drawn under the piece
  bool gap = false;  // a gap mark; a small space follows it
  friend bool operator==(const Piece&, const Piece&) = default;
};

struct Word {
  std::size_t spacesBefore = 0;
  std::vector<Piece> pieces;
};

struct SourceLine {
  std::vector<Word> words;  // empty for an empty line
};

// How the pieces of a word are marked.  Without a syllabifier, or with
// SyllableMarks::kNone, a word has no syllable pieces.
struct WordMarking {
  SyllableMarks marks = SyllableMarks::kNone;
  SyllableKind kind = SyllableKind::kReading;
  const Syllabifier* syllabifier = nullptr;
};

// The characters that get a syllable colour are the letters the syllable
// engine splits (IsSyllableLetter); digits, punctuation, gap marks and
// hyphens stay black.

// Splits the text into paper lines at CR LF (also a lone LF or CR), every
// line into words at spaces (tabs and other control characters count as
// spaces), every word into pieces.
std::vector<SourceLine> SplitSheetText(TextView text, const WordMarking& marking);

// The pieces of one word (a run without spaces).
std::vector<Piece> SplitWord(TextView word, const WordMarking& marking);

}  // namespace tesmoran
