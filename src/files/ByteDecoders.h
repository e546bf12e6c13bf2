// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decoders behind text file loading.  Each one turns every byte into
// some character and notes where the first byte stands that is no part of
// a text, so that the loader can decide how much of a file it may use.
#include <cstddef>
#include <optional>
#include <string_view>

#include "text/Text.h"

namespace tesmoran {

// A decoded file: its characters, and the index of the first character
// that does not belong into a text (npos while there is none).  A byte that
// has no character is kept as U+FFFD.
struct MarkedText {
  Text text;
  std::size_t firstBad = Text::npos;

  void MarkBad() {
    if (firstBad == Text::npos) firstBad = text.size();
    text.push_back(kReplacement);
  }
  static constexpr Char kReplacement = 0xFFFD;
};

// Bytes of code page 1252; the five unassigned bytes are bad.
MarkedText DecodeCp1252Marked(std::string_view bytes);

// The non-ASCII characters of bytes read as UTF-8: the valid sequences of
// two to four bytes, and the bytes that fit into no valid sequence.
struct Utf8Census {
  std::size_t valid = 0;
  std::size_t invalid = 0;

  // More than half of the non-ASCII characters are valid UTF-8.
  bool MostlyUtf8() const { return valid > invalid; }
};
Utf8Census CountUtf8(std::string_view bytes);

// What becomes of a byte that fits into no valid UTF-8 sequence.
enum class StrayBytes { kCp1252, kBad };

// UTF-8 in which each byte that fits into no valid sequence is read as its
// code page 1252 character, or is bad.
MarkedText DecodeMixedUtf8(std::string_view bytes, StrayBytes stray = StrayBytes::kCp1252);

enum class ByteOrder { kLittleEndian, kBigEndian };

// The byte order of UTF-16 written without a byte order mark, told by its
// zero bytes: the high bytes of Latin letters are zero, so nearly all zero
// bytes stand on one side of the two-byte units.  Nothing for other bytes.
std::optional<ByteOrder> Utf16ByteOrderByZeros(std::string_view bytes);

// The byte order of UTF-16 written without a byte order mark and without
// zero bytes, as a text in Cyrillic, Greek, Chinese or Korean is: told by
// the characters the two byte orders give: nearly every unit in one byte
// order, and clearly fewer in the other, is a character of a common script
// (the rare ideographs of CJK extension A do not count, so that Korean is
// not read backwards as Chinese).  Only for bytes of which at least a
// quarter are no printable ASCII and that are not mostly UTF-8, so that a
// German text in code page 1252 or UTF-8 stays what it is.
std::optional<ByteOrder> Utf16ByteOrderByScript(std::string_view bytes);

// UTF-16 in the given byte order; an unpaired surrogate and a last lone
// byte are bad.
MarkedText DecodeUtf16(std::string_view bytes, ByteOrder order);

}  // namespace tesmoran
