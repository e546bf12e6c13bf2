// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the font and the syllable engine in the page layout tests:
// every character is 10 points wide, and syllables are looked up in a table.
#include <map>

#include "printsheet/TextMeasure.h"
#include "syllables/Syllabifier.h"

namespace tesmoran::testing {

class FixedMeasure : public TextMeasure {
 public:
  static constexpr double kChar = 10, kAscent = 12, kDescent = 4;
  double Advance(TextView text, FontRole) const override { return kChar * double(text.size()); }
  double Ascent(FontRole) const override { return kAscent; }
  double Descent(FontRole) const override { return kDescent; }
};

class TableSyllabifier : public Syllabifier {
 public:
  explicit TableSyllabifier(std::map<Text, std::vector<std::size_t>> breaks) : breaks_(std::move(breaks)) {}
  std::vector<std::size_t> Breaks(TextView text, SyllableKind kind) const override {
    lastKind = kind;
    const auto it = breaks_.find(Text(text));
    return it == breaks_.end() ? std::vector<std::size_t>{} : it->second;
  }
  mutable SyllableKind lastKind = SyllableKind::kReading;

 private:
  std::map<Text, std::vector<std::size_t>> breaks_;
};

}  // namespace tesmoran::testing
