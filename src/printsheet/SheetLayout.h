// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Laying out the printed sheet: the head (title, name and date), the
// solution text flowed into rows and pages, the writing lines, the answer
// key with the original text on its own pages, and the page numbers.
#include "printsheet/SheetDocument.h"
#include "printsheet/SheetSettings.h"
#include "printsheet/TextMeasure.h"
#include "syllables/Syllabifier.h"

namespace tesmoran {

inline constexpr TextView kNameDateLine = U"Name: ______  Datum: ______";
inline constexpr TextView kAnswerHeading = U"Lösung";

// The footer of page `page` (1-based) of `pages`.
Text PageFooter(int page, int pages);

// The size of the title and of the answer key's heading, relative to the body.
inline constexpr double kTitleScale = 1.3;
inline constexpr double kFooterPoints = 10.0;
// The space after each gap mark, relative to the font size.
inline constexpr double kGapSpaceScale = 0.06;

struct SheetInput {
  Text solution;  // the sheet's text, drawn with the syllable marks
  Text original;  // the answer key's text; it appears only when the settings ask for it
};

// Distance between two baselines of the body text, in points.
double RowPitch(const SheetSettings& settings);

// The whole document.  With a null syllabifier no syllable marks are drawn.
SheetDocument LayOutSheet(const SheetInput& input, const SheetSettings& settings, const Syllabifier* syllabifier,
                          const TextMeasure& measure);

}  // namespace tesmoran
