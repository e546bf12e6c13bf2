// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a text file field by field.  Commas and line ends separate the
// fields; the loaded text is the fields joined with single spaces, so that a
// file of several lines becomes one long line.
#include <cstddef>
#include <optional>

#include "text/Text.h"

namespace tesmoran {

// The loader stops reading once the joined text is longer than this.
inline constexpr std::size_t kLoadCharLimit = 31000;

// Walks through a text field by field:
// - spaces before a field are skipped;
// - a field that begins with a double quote and whose closing quote stands on
//   the same line runs to that quote; the quotes are dropped and commas
//   inside stay part of the field; whatever follows the closing quote up to
//   the next delimiter is kept after it;
// - any other field runs up to the next comma or line end (CR LF, LF or a
//   lone CR); a double quote inside it is an ordinary character;
// - the delimiter is consumed and not part of the field; spaces at the end
//   of a field are dropped (those inside quotes are kept);
// - an empty line, or a comma right after another delimiter, is an empty
//   field; a delimiter at the very end of the text starts no further field.
class FieldReader {
 public:
  explicit FieldReader(TextView text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  // The next field; call only while !AtEnd().
  Text Next();
  // How many characters of the text have been read, delimiters included.
  std::size_t Position() const { return pos_; }

 private:
  bool IsLineEnd(std::size_t i) const;
  // Consumes the delimiter at pos_ (comma, CR LF, LF or CR), if any.
  void SkipDelimiter();
  // Appends the characters up to the next delimiter.
  void TakeUnquoted(Text& field);

  TextView text_;
  std::size_t pos_ = 0;
};

// The fields of a text joined with one space each, reading stopped once the
// joined text (with the space after the last field) is longer than
// charLimit.  Empty when the text yields no field at all.  `consumed`, when
// given, receives how many characters of the text were read.
std::optional<Text> JoinFields(TextView text, std::size_t charLimit = kLoadCharLimit,
                               std::size_t* consumed = nullptr);

}  // namespace tesmoran
