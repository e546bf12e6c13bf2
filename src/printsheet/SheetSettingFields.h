// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every sheet setting described once, one row each: the member of
// SheetSettings it lives in, its range and start value, the key it is kept
// under, the control that shows it in the settings panel and the option of
// "tesmoran-cli arbeitsblatt" that sets it.  The start values, Clamped(),
// the settings store, the settings panel and the command line all work from
// these rows, so a new setting is a member plus a row.
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

#include "printsheet/SheetSettings.h"

namespace tesmoran {

// What a setting holds, and so which control shows it.
enum class FieldKind {
  kNumber,  // int in a range: a spin box
  kChoice,  // an enum, kept as its index: a list to choose from
  kSwitch,  // bool: a check box
  kText,    // Text: a line to type in
  kFont,    // Text naming a font family, never empty: the list of fonts
  kColour,  // Rgb: a button that opens the colour dialog
};

// An enum member read and written as its index.
struct IndexMember {
  int (*get)(const SheetSettings&) = nullptr;
  void (*set)(SheetSettings&, int) = nullptr;
};

template <auto Member>
constexpr IndexMember EnumMember() {
  using Enum = std::remove_cvref_t<decltype(std::declval<SheetSettings&>().*Member)>;
  return {[](const SheetSettings& s) { return int(s.*Member); }, [](SheetSettings& s, int i) { s.*Member = Enum(i); }};
}

struct SheetSettingField {
  FieldKind kind = FieldKind::kNumber;
  // The member: the one pointer that fits the kind.
  int SheetSettings::*number = nullptr;
  IndexMember choice = {};
  bool SheetSettings::*flag = nullptr;
  Text SheetSettings::*text = nullptr;
  Rgb SheetSettings::*colour = nullptr;

  // kNumber: the range and the start value; kChoice: the first and last
  // index and the start index; kSwitch: standard 1 starts it on.
  IntRange range = {};
  std::u32string_view textStandard = {};  // kText, kFont
  Rgb colourStandard = {};                // kColour

  std::string_view key = {};  // in the group "Arbeitsblatt" of the settings file

  // The control: the titled box it sits in (rows of one box follow each
  // other), its object name, the label in front of it (none when empty; a
  // check box carries its text itself), its own text (spin box: the unit
  // behind the number; check box, colour button: the caption; list: the
  // entries separated by '|') and its tool tip.
  std::string_view group = {}, name = {}, label = {}, caption = {}, toolTip = {};
  // Off without the syllable engine; off while applies says the other
  // settings leave it without effect (null: always on).
  bool needsSyllables = false;
  bool (*applies)(const SheetSettings&) = nullptr;

  // The option of "tesmoran-cli arbeitsblatt" (none when empty) and its
  // value in the usage line.  No value makes it a switch, which sets a
  // kSwitch or a two-entry kChoice to the value that is not its start
  // value; a kChoice's value lists its accepted words by index, separated
  // by '|'.  unit follows a kNumber's range in the help.
  std::string_view option = {}, placeholder = {}, unit = {};
};

// The rows in the order of the settings panel.
std::span<const SheetSettingField> SheetSettingFields();

}  // namespace tesmoran
