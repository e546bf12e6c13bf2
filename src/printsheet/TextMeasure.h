// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page layout needs to know of a font: how wide a run of text is
// and how far the letters reach above and below the baseline.  All values
// are in points.  The renderer measures with the real font; tests with a
// fixed width per character.
#include "text/Text.h"

namespace tesmoran {

// The fonts of a page.  The body carries the chosen letter spacing.
enum class FontRole { kBody, kHead, kTitle, kFooter };

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double Advance(TextView text, FontRole role) const = 0;
  virtual double Ascent(FontRole role) const = 0;
  virtual double Descent(FontRole role) const = 0;
};

}  // namespace tesmoran
