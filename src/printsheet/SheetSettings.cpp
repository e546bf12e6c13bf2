// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/SheetSettings.h"

#include <algorithm>

namespace tesmoran {
namespace {

void Clamp(int& value, const IntRange& range) { value = std::clamp(value, range.min, range.max); }

}  // namespace

SheetSettings Clamped(SheetSettings s) {
  if (s.fontFamily.empty()) s.fontFamily = kDefaultFontFamily;
  Clamp(s.fontSize, kFontSizeRange);
  Clamp(s.lineSpacing, kLineSpacingRange);
  Clamp(s.letterSpacing, kLetterSpacingRange);
  Clamp(s.wordSpacing, kWordSpacingRange);
  Clamp(s.writingRows, kWritingRowsRange);
  Clamp(s.upperBandMm, kRulingBandRange);
  Clamp(s.middleBandMm, kRulingBandRange);
  Clamp(s.lowerBandMm, kRulingBandRange);
  Clamp(s.rowGapMm, kRowGapRange);
  Clamp(s.plainRowMm, kPlainRowRange);
  return s;
}

PageSize PagePoints(PaperSize paper) {
  // A4 is 210 x 297 mm; Letter is 8.5 x 11 inches.
  if (paper == PaperSize::kLetter) return {8.5 * 72.0, 11.0 * 72.0};
  return {MmToPoints(210.0), MmToPoints(297.0)};
}

}  // namespace tesmoran
