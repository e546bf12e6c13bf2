#include "wordlist/WordScan.h"

namespace tesmoran {

namespace {

constexpr TextView kPunctuationDropped = U":.!?,;´`'-\"";

void AppendCleaned(TextView token, Text& word) {
  for (Char c : token) {
    if (!IsDroppedFromWord(c)) word.push_back(c);
  }
}

}  // namespace

bool IsDroppedFromWord(Char c) {
  return c < 33 || kPunctuationDropped.find(c) != TextView::npos;
}

Text CleanToken(TextView token) {
  Text word;
  word.reserve(token.size());
  AppendCleaned(token, word);
  return word;
}

bool WordScanner::Next(Text& word) {
  if (done_) return false;
  while (pos_ < text_.size() && text_[pos_] == kSpace) ++pos_;
  word.clear();
  if (pos_ == text_.size()) {
    // Nothing but spaces left.  A text that had no token at all still gives
    // one (empty) word; after the last token the scan is over.
    done_ = true;
    if (tookToken_) return false;
    tookToken_ = true;
    return true;
  }
  std::size_t end = text_.find(kSpace, pos_);
  if (end == TextView::npos) end = text_.size();
  AppendCleaned(text_.substr(pos_, end - pos_), word);
  pos_ = end;
  tookToken_ = true;
  return true;
}

}  // namespace tesmoran
