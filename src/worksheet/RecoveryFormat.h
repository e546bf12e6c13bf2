// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery file: the whole worksheet of a running session as bytes, so
// that a session that ends without the user's consent (crash, power loss,
// killed process) can be brought back at the next start.
//
// The format is line-based, versioned and closed by a checksum:
//
//   tesmoran-recovery 1
//   original <bytes> <marked start> <marked length>
//   <UTF-8 bytes of the original text>
//   solution <bytes>
//   <UTF-8 bytes of the solution text>
//   mode <0|1>
//   words <count>
//   <0|1 selected> <bytes>          (once per entry, each followed by
//   <UTF-8 bytes of the entry>       its text on the next line)
//   backup <count>
//   <bytes>                          (once per backup entry)
//   <UTF-8 bytes of the entry>
//   crc32 <8 lower-case hex digits of the CRC-32 of everything above>
//
// Every line ends with LF; a text's bytes are counted, so texts may hold
// any character, line breaks included.  The reader accepts exactly this
// and nothing else: a file that is cut short, has bytes appended, a wrong
// count, invalid UTF-8 or a checksum that does not match is refused.
#include <optional>
#include <string>
#include <string_view>

#include "text/Text.h"
#include "worksheet/Worksheet.h"

namespace tesmoran {

inline constexpr int kRecoveryFormatVersion = 1;

// The worksheet's original text with its marked part, solution text,
// working mode, word list with its selection and backup list.
std::string WriteRecovery(const Worksheet& ws);

// The worksheet written by WriteRecovery, or nothing when the bytes are not
// a complete, intact recovery file; then `why` (when given) names the
// fault in German.
std::optional<Worksheet> ReadRecovery(std::string_view bytes, Text* why = nullptr);

// CRC-32 (the polynomial of zip and PNG) of the bytes.
unsigned Crc32(std::string_view bytes);

}  // namespace tesmoran
