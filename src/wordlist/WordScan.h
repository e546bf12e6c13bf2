// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting a text into the words of the word list.  Only the space separates
// tokens; line breaks and every other character belong to a token.  Each
// token is then cleaned of the characters a word never holds: codes below 33
// (control characters and the space) and : . ! ? , ; ´ ` ' - and the double
// quotation mark.  A token made only of such characters gives the empty word.
#include <cstddef>

#include "text/Text.h"

namespace tesmoran {

// Hands out the cleaned words of a text one by one, in the order of the text.
// A text of spaces only gives one empty word; spaces at the end give none.
class WordScanner {
 public:
  explicit WordScanner(TextView text) : text_(text) {}

  // The next word; false at the end.  The view is valid until the next call
  // (it points into the text, or into the scanner's own buffer when the
  // token had characters to drop).
  bool Next(TextView& word);
  // The same, copied into `word`.
  bool Next(Text& word);

 private:
  TextView text_;
  Text cleaned_;
  std::size_t pos_ = 0;
  bool tookToken_ = false;
  bool done_ = false;
};

}  // namespace tesmoran
