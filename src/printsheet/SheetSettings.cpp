// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/SheetSettings.h"

#include <algorithm>

#include "printsheet/SheetSettingFields.h"

namespace tesmoran {

SheetSettings::SheetSettings() {
  for (const SheetSettingField& f : SheetSettingFields()) {
    switch (f.kind) {
      case FieldKind::kNumber: this->*f.number = f.range.standard; break;
      case FieldKind::kChoice: f.choice.set(*this, f.range.standard); break;
      case FieldKind::kSwitch: this->*f.flag = f.range.standard != 0; break;
      case FieldKind::kText:
      case FieldKind::kFont: this->*f.text = f.textStandard; break;
      case FieldKind::kColour: this->*f.colour = f.colourStandard; break;
    }
  }
}

SheetSettings Clamped(SheetSettings s) {
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (f.kind == FieldKind::kNumber) {
      s.*f.number = std::clamp(s.*f.number, f.range.min, f.range.max);
    } else if (f.kind == FieldKind::kChoice) {
      const int index = f.choice.get(s);
      if (index < f.range.min || index > f.range.max) f.choice.set(s, f.range.standard);
    } else if (f.kind == FieldKind::kFont && (s.*f.text).empty()) {
      s.*f.text = f.textStandard;
    }
  }
  return s;
}

PageSize PagePoints(PaperSize paper) {
  // A4 is 210 x 297 mm; Letter is 8.5 x 11 inches.
  if (paper == PaperSize::kLetter) return {8.5 * 72.0, 11.0 * 72.0};
  return {MmToPoints(210.0), MmToPoints(297.0)};
}

}  // namespace tesmoran
