// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/Worksheet.h"

#include <algorithm>

namespace tesmoran {

Text OriginalText::Marked() const {
  if (selLength == 0 || selStart >= text.size()) return Text();
  return text.substr(selStart, std::min(selLength, text.size() - selStart));
}

void OriginalText::Set(Text newText) {
  text = std::move(newText);
  selStart = 0;
  selLength = 0;
}

}  // namespace tesmoran
