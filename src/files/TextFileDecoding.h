#pragma once
// Turning the bytes of a file into text.  Text files are read as code page
// 1252; a file that starts with the UTF-8 byte order mark, or that is valid
// UTF-8 and holds characters beyond ASCII, is read as UTF-8 instead.
#include <optional>
#include <string_view>

#include "text/Text.h"

namespace tesmoran {

// The text of a file's bytes, or nothing when the bytes are not a text:
// NUL or other control bytes than tab, LF, form feed and CR, bytes that code
// page 1252 leaves unassigned, or a byte order mark followed by invalid
// UTF-8.  End-of-file marks (byte 26) at the very end are dropped.
// With cutShort the bytes are only the beginning of a longer file, so a
// UTF-8 sequence cut at their end does not count against UTF-8.
std::optional<Text> DecodeTextFile(std::string_view bytes, bool cutShort = false);

}  // namespace tesmoran
