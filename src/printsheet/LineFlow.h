// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Flowing the words of one paper line into rows of a given width, always
// left-aligned.  A word moves to the next row as a whole; only a word wider
// than a whole row is cut, as late as possible.
#include <vector>

#include "printsheet/SheetWords.h"
#include "printsheet/TextMeasure.h"

namespace tesmoran {

struct FlowSpacing {
  double width = 0;         // the row's width
  double space = 0;         // one space between words, extra word spacing included
  double afterGap = 0;      // the small space after each gap mark
};

struct PlacedPiece {
  Piece piece;
  double x = 0;      // from the row's left edge
  double width = 0;  // the piece's own advance, without the space after a gap
};

struct Row {
  std::vector<PlacedPiece> pieces;
};

// The width of one word: its pieces and the spaces after its gap marks.
double WordWidth(const Word& word, const TextMeasure& measure, const FlowSpacing& spacing);

// The rows of one paper line; an empty line gives one empty row.  Spaces
// before the first word indent the first row; spaces before a word that
// starts a new row are dropped.
std::vector<Row> FlowLine(const SourceLine& line, const TextMeasure& measure, const FlowSpacing& spacing);

}  // namespace tesmoran
