// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 for the command line and for files that are not code page 1252.
#include <optional>
#include <string>
#include <string_view>

#include "text/Cp1252.h"
#include "text/Text.h"

namespace tesmoran {

// Strict decoding: overlong forms, surrogates and truncated sequences are
// errors.  The text has room for `spare` more characters (as DecodeCp1252).
std::optional<Text> DecodeUtf8(std::string_view bytes, DecodeError* error = nullptr, std::size_t spare = 0);
// Decodes the bytes into out, which has room for one character per byte:
// the number of characters, or nullopt (the first invalid byte in error).
std::optional<std::size_t> DecodeUtf8Into(std::string_view bytes, Char* out, DecodeError* error = nullptr);
// How many bytes at the end begin a character that later bytes could
// complete (0 to 3): a text read in blocks holds them back for the next.
std::size_t IncompleteUtf8Tail(std::string_view bytes);
// Whether DecodeUtf8 would accept the bytes; names the first invalid byte as it does.
bool IsValidUtf8(std::string_view bytes, DecodeError* error = nullptr);
std::string EncodeUtf8(TextView text);
// Appends the UTF-8 bytes of the text to out.
void AppendUtf8(TextView text, std::string& out);

}  // namespace tesmoran
