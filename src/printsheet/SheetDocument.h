// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The laid-out sheet: pages of text runs and strokes at fixed places,
// in points from the top left corner of the page.  Drawing it needs no
// further decisions.
#include <vector>

#include "printsheet/SheetSettings.h"
#include "printsheet/SheetWords.h"
#include "printsheet/TextMeasure.h"

namespace tesmoran {

struct TextRun {
  Text text;
  double x = 0;
  double baseline = 0;
  FontRole role = FontRole::kBody;
  Ink ink = Ink::kBlack;
};

struct Stroke {
  enum class Kind { kLine, kArc, kFaintLine };
  Kind kind = Kind::kLine;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // an arc runs from (x1, y1) to (x2, y1), bulging down to y2
  double width = 0;                        // the pen's width
};

struct SheetPage {
  std::vector<TextRun> runs;
  std::vector<Stroke> strokes;
};

struct SheetDocument {
  PageSize size{};
  std::vector<SheetPage> pages;
  int firstAnswerPage = -1;  // index of the page that starts the answer key, -1 without one
};

}  // namespace tesmoran
