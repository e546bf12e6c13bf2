// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code page 1252: the 8-bit character set of the program's text files.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace tesmoran {

// True when the character has a byte in code page 1252.
bool IsCp1252(Char c);

struct DecodeError {
  std::size_t offset = 0;  // byte offset of the first byte that is not valid
};

// Decodes bytes of code page 1252.  The five bytes 0x81, 0x8D, 0x8F, 0x90 and
// 0x9D have no character; they make the whole input invalid.  The text has
// room for `spare` more characters, so that it can grow by that many
// without moving.
std::optional<Text> DecodeCp1252(std::string_view bytes, DecodeError* error = nullptr, std::size_t spare = 0);

// Encodes a text as code page 1252; empty when a character has no byte there.
std::optional<std::string> EncodeCp1252(TextView text);

}  // namespace tesmoran
