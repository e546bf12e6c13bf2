// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FieldReader.h"

namespace tesmoran {
namespace {

constexpr Char kComma = U',';
constexpr Char kQuote = U'"';

}  // namespace

bool FieldReader::IsLineEnd(std::size_t i) const {
  return text_[i] == kCR || text_[i] == kLF;
}

void FieldReader::SkipDelimiter() {
  if (AtEnd()) return;
  if (text_[pos_] == kComma || text_[pos_] == kLF) {
    ++pos_;
  } else if (text_[pos_] == kCR) {
    ++pos_;
    if (!AtEnd() && text_[pos_] == kLF) ++pos_;
  }
}

void FieldReader::TakeUnquoted(Text& field) {
  while (!AtEnd() && text_[pos_] != kComma && !IsLineEnd(pos_)) field.push_back(text_[pos_++]);
}

Text FieldReader::Next() {
  while (!AtEnd() && text_[pos_] == kSpace) ++pos_;
  Text field;
  std::size_t quoted = 0;  // characters inside quotes keep their spaces
  if (!AtEnd() && text_[pos_] == kQuote) {
    std::size_t close = pos_ + 1;
    while (close < text_.size() && text_[close] != kQuote && !IsLineEnd(close)) ++close;
    if (close < text_.size() && text_[close] == kQuote) {
      field.assign(text_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close + 1;
      quoted = field.size();
    }
  }
  TakeUnquoted(field);
  while (field.size() > quoted && field.back() == kSpace) field.pop_back();
  SkipDelimiter();
  return field;
}

std::optional<Text> JoinFields(TextView text, std::size_t charLimit, std::size_t* consumed) {
  FieldReader reader(text);
  if (consumed) *consumed = 0;
  if (reader.AtEnd()) return std::nullopt;
  Text joined;
  while (!reader.AtEnd()) {
    joined += reader.Next();
    joined.push_back(kSpace);
    if (joined.size() > charLimit) break;
  }
  if (consumed) *consumed = reader.Position();
  joined.pop_back();
  return joined;
}

}  // namespace tesmoran
