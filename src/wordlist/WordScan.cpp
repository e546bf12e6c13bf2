// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordScan.h"

#include <array>

namespace tesmoran {

namespace {

constexpr TextView kPunctuationDropped = U":.!?,;`'-\"";
constexpr Char kAcuteAccent = U'´';

// The dropped characters below 128, as a table for the scan's inner loop.
constexpr std::array<bool, 128> MakeDroppedTable() {
  std::array<bool, 128> table{};
  for (Char c = 0; c < 33; ++c) table[c] = true;
  for (Char c : kPunctuationDropped) table[c] = true;
  return table;
}
constexpr std::array<bool, 128> kDroppedBelow128 = MakeDroppedTable();

inline bool Dropped(Char c) { return c < 128 ? kDroppedBelow128[c] : c == kAcuteAccent; }

void AppendCleaned(TextView token, Text& word) {
  for (Char c : token) {
    if (!Dropped(c)) word.push_back(c);
  }
}

}  // namespace

bool WordScanner::Next(TextView& word) {
  if (done_) return false;
  while (pos_ < text_.size() && text_[pos_] == kSpace) ++pos_;
  if (pos_ == text_.size()) {
    // Nothing but spaces left.  A text that had no token at all still gives
    // one (empty) word; after the last token the scan is over.
    done_ = true;
    if (tookToken_) return false;
    tookToken_ = true;
    word = TextView();
    return true;
  }
  const std::size_t start = pos_;
  bool clean = true;
  for (; pos_ < text_.size() && text_[pos_] != kSpace; ++pos_) {
    clean = clean && !Dropped(text_[pos_]);
  }
  tookToken_ = true;
  const TextView token = text_.substr(start, pos_ - start);
  if (clean) {
    word = token;
  } else {
    cleaned_.clear();
    AppendCleaned(token, cleaned_);
    word = cleaned_;
  }
  return true;
}

bool WordScanner::Next(Text& word) {
  TextView view;
  if (!Next(view)) return false;
  word.assign(view);
  return true;
}

}  // namespace tesmoran
