// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/LineFlow.h"

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
  // least one.
  void PlaceCut(const Word& word) {
    for (const Piece& piece : word.pieces) {
      Piece rest = piece;
      while (!rest.text.empty()) {
        std::size_t n = 0;
        double w = 0;
        while (n < rest.text.size()) {
          const double next = measure_.Advance(TextView(rest.text).substr(0, n + 1), FontRole::kBody);
          if (x_ + next > spacing_.width && (n > 0 || !Empty())) break;
          w = next;
          ++n;
        }
        if (n == 0) {
          NewRow();
          continue;
        }
        Piece part = rest;
        part.text = rest.text.substr(0, n);
        rest.text.erase(0, n);
        Place(part, w);
        if (!rest.text.empty()) NewRow();
      }
    }
  }

  std::vector<Row> Take() { return std::move(rows_); }

 private:
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
