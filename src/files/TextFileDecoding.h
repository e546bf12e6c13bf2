// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning the bytes of a file into text.  Text files are read as code page
// 1252; a file that starts with a byte order mark is read as UTF-8 or
// UTF-16 accordingly; UTF-16 without a mark is told by its zero bytes; a
// file whose non-ASCII characters are mostly valid UTF-8 is read as UTF-8,
// each stray byte as its code page 1252 character.
#include <cstddef>
#include <optional>
#include <string_view>

#include "text/Text.h"

namespace tesmoran {

// The characters of a file, where they stop being a text, and why.
struct DecodedFile {
  Text text;
  // Index of the first character that belongs into no text: NUL or another
  // control character than tab, LF, form feed and CR, a byte that has no
  // character, or a broken UTF-16 unit.  npos when there is none.
  std::size_t firstBad = Text::npos;
  // For the user: why a file that was read as UTF-16 is no text from
  // firstBad on; empty for other files.
  Text reason;

  bool WhollyText() const { return firstBad == Text::npos; }
};

// Decodes the bytes as a whole.  End-of-file marks (byte 26) at the very end
// are dropped.  With cutShort the bytes are only the beginning of a longer
// file, so a UTF-8 sequence or UTF-16 unit cut at their end is dropped.
DecodedFile DecodeFileBytes(std::string_view bytes, bool cutShort = false);

// The readable form of a file name's bytes: UTF-8 where they are mostly
// UTF-8, each stray byte read as its code page 1252 character, otherwise
// code page 1252 (a byte without a character there shows as U+FFFD).
Text DecodeFileName(std::string_view bytes);

// The text of a file's bytes, or nothing when any part of them is no text.
std::optional<Text> DecodeTextFile(std::string_view bytes, bool cutShort = false);

}  // namespace tesmoran
