// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sheet settings for the tests of the store and the panel.
#include "printsheet/SheetSettingFields.h"

namespace tesmoran::testing {

// Settings in which every row differs from its start value; the font family
// is font, or a made-up one when empty.
inline SheetSettings AllChanged(const Text& font = Text()) {
  SheetSettings s;
  for (const SheetSettingField& f : SheetSettingFields()) {
    const IntRange r = f.range;
    switch (f.kind) {
      case FieldKind::kNumber: s.*f.number = r.standard == r.max ? r.min : r.max; break;
      case FieldKind::kChoice: f.choice.set(s, r.standard == r.max ? r.min : r.max); break;
      case FieldKind::kSwitch: s.*f.flag = !(s.*f.flag); break;
      case FieldKind::kText: s.*f.text = U"Übung „" + Text(f.textStandard) + U"“"; break;
      case FieldKind::kFont: s.*f.text = font.empty() ? U"Übung „" + Text(f.textStandard) + U"“" : font; break;
      case FieldKind::kColour: s.*f.colour = Rgb{1, std::uint8_t(f.colourStandard.g + 1), 254}; break;
    }
  }
  return s;
}

}  // namespace tesmoran::testing
