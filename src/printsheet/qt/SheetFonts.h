// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the printed sheet on Qt, and the measuring of text with
// them for the page layout.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <unordered_map>

#include "printsheet/SheetSettings.h"
#include "printsheet/TextMeasure.h"

namespace tesmoran {

// The family to use for `wanted`: itself when it is installed, else the
// default family, else an installed sans-serif.
QString ResolveFontFamily(const Text& wanted);

// The font of a role at its size in points (for a device that resolves
// points by its own resolution).
QFont SheetFont(const SheetSettings& settings, FontRole role);

// The extra space after each letter of the body text, in points: the
// chosen share of the width of a space.  The same for every letter, so that
// a word still reads as one word when its text is copied from the PDF.
double LetterGapPoints(const SheetSettings& settings);

// Measures with the real fonts.  The metrics are taken at a large size and
// scaled down, so that they hold for any resolution the page is drawn at.
class QtSheetMeasure : public TextMeasure {
 public:
  explicit QtSheetMeasure(const SheetSettings& settings);
  // With a letter gap, the body's letters stand one by one: each letter's
  // own advance and the gap after it.
  double Advance(TextView text, FontRole role) const override;
  double LetterAdvance(Char c) const;
  double LetterGap() const { return gap_; }
  double Ascent(FontRole role) const override;
  double Descent(FontRole role) const override;

 private:
  std::array<QFontMetricsF, 4> metrics_;
  double gap_ = 0;
  mutable std::unordered_map<Char, double> letters_;
};

}  // namespace tesmoran
