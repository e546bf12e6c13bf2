// SPDX-License-Identifier: GPL-3.0-or-later
// The rows that describe the sheet settings: what a new or changed row
// can get wrong before the store, the panel or the command line trip over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/cli/CliSheetOptions.h"
#include "printsheet/SheetSettingFields.h"

namespace tesmoran {
namespace {

std::size_t Entries(std::string_view list) { return std::size_t(std::count(list.begin(), list.end(), '|')) + 1; }

std::string Named(const SheetSettingField& f) { return std::string(f.key); }

// Each row on its own: the one member its kind needs, a start value within
// its range, a caption entry for every index of a choice, and only numbers,
// texts, choices and switches as options.
TEST(SheetSettingFields, EachRowFitsItsKind) {
  for (const SheetSettingField& f : SheetSettingFields()) {
    SCOPED_TRACE(Named(f));
    const int pointers = (f.number != nullptr) + (f.choice.get != nullptr) + (f.flag != nullptr) + (f.text != nullptr) +
                         (f.colour != nullptr);
    EXPECT_EQ(pointers, 1);
    const bool takesValue = f.kind == FieldKind::kNumber || f.kind == FieldKind::kText || f.kind == FieldKind::kFont;
    if (f.kind == FieldKind::kNumber || f.kind == FieldKind::kChoice || f.kind == FieldKind::kSwitch) {
      EXPECT_LE(f.range.min, f.range.standard);
      EXPECT_LE(f.range.standard, f.range.max);
    }
    switch (f.kind) {
      case FieldKind::kNumber: EXPECT_TRUE(f.number); break;
      case FieldKind::kChoice:
        EXPECT_TRUE(f.choice.get && f.choice.set);
        EXPECT_EQ(f.range.min, 0);
        EXPECT_EQ(Entries(f.caption), std::size_t(f.range.max) + 1);
        // As a switch it can only mean "the other one".
        if (!f.option.empty()) {
          EXPECT_EQ(f.placeholder.empty() ? 2u : Entries(f.placeholder), std::size_t(f.range.max) + 1);
        }
        break;
      case FieldKind::kSwitch:
        EXPECT_TRUE(f.flag);
        EXPECT_TRUE(f.range.min == 0 && f.range.max == 1);
        break;
      case FieldKind::kFont: EXPECT_FALSE(f.textStandard.empty()); [[fallthrough]];
      case FieldKind::kText: EXPECT_TRUE(f.text); break;
      case FieldKind::kColour:
        EXPECT_TRUE(f.colour);
        EXPECT_TRUE(f.option.empty());
        break;
    }
    if (!f.option.empty() && (takesValue || f.kind == FieldKind::kSwitch)) {
      EXPECT_EQ(f.placeholder.empty(), !takesValue);
    }
  }
  // So nothing that clamping does can change a fresh installation's settings.
  EXPECT_EQ(Clamped(SheetSettings()), SheetSettings());
}

TEST(SheetSettingFields, KeysNamesMembersAndOptionsAreUnique) {
  std::set<std::string_view> keys, names;
  std::set<std::string> options;
  for (const SheetSettingField& f : SheetSettingFields()) {
    SCOPED_TRACE(Named(f));
    EXPECT_FALSE(f.key.empty());
    EXPECT_TRUE(keys.insert(f.key).second);
    EXPECT_TRUE(names.insert(f.name).second);
  }
  // The settings' options together with the command's own.
  for (const OptionSpec& spec : SheetOptions()) {
    EXPECT_TRUE(spec.name.starts_with("--")) << spec.name;
    EXPECT_TRUE(options.insert(std::string(spec.name)).second) << spec.name;
  }
  const auto fields = SheetSettingFields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    for (std::size_t j = i + 1; j < fields.size(); ++j) {
      const SheetSettingField &a = fields[i], &b = fields[j];
      const bool same = (a.number && a.number == b.number) || (a.choice.get && a.choice.get == b.choice.get) ||
                        (a.flag && a.flag == b.flag) || (a.text && a.text == b.text) ||
                        (a.colour && a.colour == b.colour);
      EXPECT_FALSE(same) << Named(a) << " and " << Named(b) << " keep the same setting";
    }
  }
}

TEST(SheetSettingFields, TheRowsOfOneBoxFollowEachOther) {
  std::set<std::string_view> closed;
  std::string_view open;
  for (const SheetSettingField& f : SheetSettingFields()) {
    SCOPED_TRACE(Named(f));
    EXPECT_FALSE(f.group.empty());
    if (f.group == open) continue;
    EXPECT_FALSE(closed.contains(f.group));
    closed.insert(open);
    open = f.group;
  }
}

// Clamping a hand-edited value: below, above, a choice past its list, no font.
TEST(SheetSettingFields, ClampingBringsEveryNumberAndChoiceBack) {
  for (const SheetSettingField& f : SheetSettingFields()) {
    SCOPED_TRACE(Named(f));
    SheetSettings s;
    if (f.kind == FieldKind::kNumber) {
      s.*f.number = f.range.min - 1;
      EXPECT_EQ(Clamped(s).*f.number, f.range.min);
      s.*f.number = f.range.max + 1000;
      EXPECT_EQ(Clamped(s).*f.number, f.range.max);
    } else if (f.kind == FieldKind::kChoice) {
      f.choice.set(s, f.range.max + 1);
      EXPECT_EQ(f.choice.get(Clamped(s)), f.range.standard);
      f.choice.set(s, -1);
      EXPECT_EQ(f.choice.get(Clamped(s)), f.range.standard);
    } else if (f.kind == FieldKind::kFont) {
      (s.*f.text).clear();
      EXPECT_EQ(Clamped(s).*f.text, f.textStandard);
    }
  }
}

}  // namespace
}  // namespace tesmoran
