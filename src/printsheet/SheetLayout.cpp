// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/SheetLayout.h"

#include <algorithm>
#include <string>
#include <utility>

#include "printsheet/LineFlow.h"
#include "printsheet/SheetWords.h"

namespace tesmoran {
namespace {

Text Number(int n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

bool IsBlankText(TextView text) {
  return std::all_of(text.begin(), text.end(), [](Char c) { return c == kSpace || IsControlChar(c); });
}

// Fills pages from top to bottom; `y` is the top of the next thing placed.
class PageWriter {
 public:
  PageWriter(const SheetSettings& settings, const TextMeasure& measure)
      : settings_(settings), measure_(measure), size_(PagePoints(settings.paper)) {
    margin_ = MmToPoints(kMarginMm);
    top_ = margin_;
    bottom_ = size_.height - margin_;
    pitch_ = RowPitch(settings);
    ascent_ = measure.Ascent(FontRole::kBody);
    descent_ = measure.Descent(FontRole::kBody);
    doc_.size = size_;
    NewPage();
  }

  void NewPage() {
    doc_.pages.emplace_back();
    y_ = top_;
  }
  bool AtPageTop() const { return y_ <= top_; }
  // A new page, unless the current one holds nothing yet: then that one
  // starts afresh.
  void FreshPage() {
    if (PageEmpty()) {
      y_ = top_;
    } else {
      NewPage();
    }
  }
  double Width() const { return size_.width - 2 * margin_; }

  // One line of a single font: the title, the heading, name and date.
  void PlaceSingle(TextView text, FontRole role, double spaceAfter) {
    const double a = measure_.Ascent(role), d = measure_.Descent(role);
    if (y_ + a + d > bottom_ && !AtPageTop()) NewPage();
    Page().runs.push_back(TextRun{Text(text), margin_, y_ + a, role, Ink::kBlack});
    y_ += a + d + spaceAfter;
  }
  void Skip(double dy) { y_ += dy; }

  // The rows of one paper line; they stay on one page when they fit on one.
  void PlaceRows(const std::vector<Row>& rows) {
    if (rows.size() == 1 && rows.front().pieces.empty()) {
      ++blankRows_;
      return;
    }
    const double needed = double(rows.size() - 1) * pitch_ + ascent_ + descent_;
    const bool fitsOnAPage = top_ + needed <= bottom_;
    PlaceBlankRows(fitsOnAPage ? needed : ascent_ + descent_);
    if (y_ + needed > bottom_ && fitsOnAPage && !AtPageTop()) NewPage();
    for (const Row& row : rows) {
      if (y_ + ascent_ + descent_ > bottom_ && !AtPageTop()) NewPage();
      const double baseline = y_ + ascent_;
      for (const PlacedPiece& placed : row.pieces) {
        const double x = margin_ + placed.x;
        Page().runs.push_back(TextRun{placed.piece.text, x, baseline, FontRole::kBody, placed.piece.ink});
        if (placed.piece.arc) AddArc(x, placed.width, baseline);
      }
      y_ += pitch_;
    }
  }

  // Empty paper lines show nothing; they only move the words after them
  // down, so they never begin a page.  They are dropped at the top of a
  // page that a break has begun, and where the words would no longer fit
  // after them: the words then begin the next page, or stay on the first
  // one when it holds nothing yet.
  void PlaceBlankRows(double needed) {
    const double below = y_ + double(std::exchange(blankRows_, 0)) * pitch_;
    const bool empty = PageEmpty();
    if (empty && doc_.pages.size() > 1) return;
    if (below + needed <= bottom_) {
      y_ = below;
    } else if (!empty) {
      NewPage();
    }
  }

  // Empty lines at the end of a text are not kept for what follows.
  void DropBlankRows() { blankRows_ = 0; }

  void PlaceWritingRow() {
    const double left = margin_, right = size_.width - margin_;
    if (settings_.ruling == WritingRuling::kPlain) {
      const double h = MmToPoints(settings_.plainRowMm);
      if (y_ + h > bottom_ && !AtPageTop()) NewPage();
      AddLine(Stroke::Kind::kLine, left, right, y_ + h);
      y_ += h;
      return;
    }
    const double upper = MmToPoints(settings_.upperBandMm), middle = MmToPoints(settings_.middleBandMm);
    const double lower = MmToPoints(settings_.lowerBandMm);
    const double h = upper + middle + lower;
    if (y_ + h > bottom_ && !AtPageTop()) NewPage();
    AddLine(Stroke::Kind::kFaintLine, left, right, y_);
    AddLine(Stroke::Kind::kLine, left, right, y_ + upper);
    AddLine(Stroke::Kind::kLine, left, right, y_ + upper + middle);
    AddLine(Stroke::Kind::kFaintLine, left, right, y_ + h);
    y_ += h + MmToPoints(settings_.rowGapMm);
  }

  void MarkAnswerKey() { doc_.firstAnswerPage = int(doc_.pages.size()) - 1; }

  SheetDocument Finish() {
    const int count = int(doc_.pages.size());
    for (int i = 0; i < count; ++i) {
      const Text footer = PageFooter(i + 1, count);
      const double x = (size_.width - measure_.Advance(footer, FontRole::kFooter)) / 2;
      doc_.pages[std::size_t(i)].runs.push_back(
          TextRun{footer, x, size_.height - MmToPoints(10.0), FontRole::kFooter, Ink::kBlack});
    }
    return std::move(doc_);
  }

 private:
  SheetPage& Page() { return doc_.pages.back(); }
  bool PageEmpty() const { return doc_.pages.back().runs.empty() && doc_.pages.back().strokes.empty(); }

  void AddLine(Stroke::Kind kind, double x1, double x2, double y) {
    Page().strokes.push_back(Stroke{kind, x1, y, x2, y, kind == Stroke::Kind::kLine ? 0.8 : 0.5});
  }
  void AddArc(double x, double width, double baseline) {
    const double size = settings_.fontSize;
    const double inset = std::min(0.08 * size, 0.15 * width);
    const double top = baseline + 0.1 * size;
    Page().strokes.push_back(
        Stroke{Stroke::Kind::kArc, x + inset, top, x + width - inset, top + 0.22 * size, std::max(0.8, 0.05 * size)});
  }

  const SheetSettings& settings_;
  const TextMeasure& measure_;
  PageSize size_;
  double margin_ = 0, top_ = 0, bottom_ = 0, pitch_ = 0, ascent_ = 0, descent_ = 0;
  double y_ = 0;
  std::size_t blankRows_ = 0;  // empty paper lines not placed yet
  SheetDocument doc_;
};

void PlaceText(PageWriter& pages, TextView text, const WordMarking& marking, const SheetSettings& settings,
               const TextMeasure& measure) {
  FlowSpacing spacing;
  spacing.width = pages.Width();
  spacing.space = measure.Advance(U" ", FontRole::kBody) * (1.0 + settings.wordSpacing / 100.0);
  spacing.afterGap = kGapSpaceScale * settings.fontSize;
  for (const SourceLine& line : SplitSheetText(text, marking)) pages.PlaceRows(FlowLine(line, measure, spacing));
  pages.DropBlankRows();
}

}  // namespace

Text PageFooter(int page, int pages) { return U"Seite " + Number(page) + U" von " + Number(pages); }

double RowPitch(const SheetSettings& settings) { return settings.fontSize * settings.lineSpacing / 100.0; }

SheetDocument LayOutSheet(const SheetInput& input, const SheetSettings& settingsIn, const Syllabifier* syllabifier,
                          const TextMeasure& measure) {
  const SheetSettings settings = Clamped(settingsIn);
  PageWriter pages(settings, measure);
  const double pitch = RowPitch(settings);

  const bool title = !IsBlankText(settings.title);
  if (title) pages.PlaceSingle(settings.title, FontRole::kTitle, 0.3 * settings.fontSize);
  if (settings.nameAndDate) pages.PlaceSingle(kNameDateLine, FontRole::kHead, 0);
  if (title || settings.nameAndDate) pages.Skip(0.75 * pitch);

  const WordMarking marking{settings.syllableMarks, settings.syllableKind, syllabifier};
  PlaceText(pages, input.solution, marking, settings, measure);

  if (settings.writingRows > 0) {
    pages.Skip(0.5 * pitch);
    for (int i = 0; i < settings.writingRows; ++i) pages.PlaceWritingRow();
  }

  if (settings.answerKey && !IsBlankText(input.original)) {
    pages.FreshPage();
    pages.MarkAnswerKey();
    pages.PlaceSingle(kAnswerHeading, FontRole::kTitle, 0.75 * pitch);
    PlaceText(pages, input.original, WordMarking{}, settings, measure);
  }
  return pages.Finish();
}

}  // namespace tesmoran
