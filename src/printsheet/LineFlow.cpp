// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/LineFlow.h"

namespace tesmoran {
namespace {

double PieceAdvance(const Piece& piece, const TextMeasure& measure) {
  return measure.Advance(piece.text, FontRole::kBody);
}

class RowBuilder {
 public:
  RowBuilder(const TextMeasure& measure, const FlowSpacing& spacing) : measure_(measure), spacing_(spacing) {}

  bool Empty() const { return rows_.back().pieces.empty(); }
  double X() const { return x_; }
  void Advance(double dx) { x_ += dx; }
  void NewRow() {
    rows_.emplace_back();
    x_ = 0;
  }
  void Place(const Piece& piece, double width) {
    rows_.back().pieces.push_back(PlacedPiece{piece, x_, width});
    x_ += width + (piece.gap ? spacing_.afterGap : 0);
  }

  // A word wider than a row: as many characters as fit go on each row, at
  // least one.  The piece is walked with an offset, never shortened, and
  // each row is measured near its end only, so that the cost grows with the
  // word's length and not with its square.
  void PlaceCut(const Word& word) {
    for (const Piece& piece : word.pieces) {
      const TextView text = piece.text;
      std::size_t start = 0;
      while (start < text.size()) {
        const TextView rest = text.substr(start);
        double w = 0;
        const std::size_t n = FittingPrefix(rest, w);
        if (n == 0) {
          NewRow();
          continue;
        }
        Place(Piece{Text(rest.substr(0, n)), piece.ink, piece.arc, piece.gap}, w);
        start += n;
        if (start < text.size()) NewRow();
      }
    }
  }

  std::vector<Row> Take() { return std::move(rows_); }

 private:
  bool Fits(double advance) const { return x_ + advance <= spacing_.width; }

  // How many characters at the start of `rest` fit on the current row (an
  // empty row takes at least one), with their advance in `w`.  The sum of
  // single characters guesses the place; the prefix itself is then measured
  // there and one character at a time further or back, because a font may
  // kern a pair of letters closer than their single advances.
  std::size_t FittingPrefix(TextView rest, double& w) const {
    std::size_t n = 0;
    double guess = 0;
    while (n < rest.size()) {
      const double next = guess + measure_.Advance(rest.substr(n, 1), FontRole::kBody);
      if (!Fits(next)) break;
      guess = next;
      ++n;
    }
    w = n > 0 ? measure_.Advance(rest.substr(0, n), FontRole::kBody) : 0;
    while (n > 0 && !Fits(w)) {
      --n;
      w = n > 0 ? measure_.Advance(rest.substr(0, n), FontRole::kBody) : 0;
    }
    while (n < rest.size()) {
      const double next = measure_.Advance(rest.substr(0, n + 1), FontRole::kBody);
      if (!Fits(next) && (n > 0 || !Empty())) break;
      w = next;
      ++n;
    }
    return n;
  }

  const TextMeasure& measure_;
  const FlowSpacing& spacing_;
  std::vector<Row> rows_{1};
  double x_ = 0;
};

}  // namespace

double WordWidth(const Word& word, const TextMeasure& measure, const FlowSpacing& spacing) {
  double w = 0;
  for (const Piece& piece : word.pieces) w += PieceAdvance(piece, measure) + (piece.gap ? spacing.afterGap : 0);
  return w;
}

std::vector<Row> FlowLine(const SourceLine& line, const TextMeasure& measure, const FlowSpacing& spacing) {
  RowBuilder rows(measure, spacing);
  bool first = true;
  for (const Word& word : line.words) {
    const double width = WordWidth(word, measure, spacing);
    const double before = spacing.space * double(word.spacesBefore);
    if (!rows.Empty()) {
      if (rows.X() + before + width > spacing.width) {
        rows.NewRow();
      } else {
        rows.Advance(before);
      }
    } else if (first && before + width <= spacing.width) {
      rows.Advance(before);
    }
    first = false;
    if (width > spacing.width) {
      if (!rows.Empty()) rows.NewRow();
      rows.PlaceCut(word);
      continue;
    }
    for (const Piece& piece : word.pieces) rows.Place(piece, PieceAdvance(piece, measure));
  }
  return rows.Take();
}

}  // namespace tesmoran
