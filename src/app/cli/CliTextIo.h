// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the text of a tesmoran-cli call and writing its results, in
// UTF-8 or code page 1252.  Standard input is read and standard output
// written in blocks.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli/CliCommand.h"
#include "files/LimitedRead.h"
#include "text/Text.h"

namespace tesmoran {

enum class CliEncoding { kUtf8, kCp1252 };

// The encoding that --encoding names (the parser has checked its value);
// UTF-8 without the option.
CliEncoding EncodingOf(const ParsedOptions& options);

// All bytes of a stream, read in blocks; a stream that can tell its length
// (a file on standard input) is read into one allocation.  Nullopt when the
// stream holds more than `limit` bytes (no more than that is read).
std::optional<std::string> ReadAllBytes(std::istream& in, std::size_t limit);

// Decodes bytes, e.g. the value of an option.  Invalid bytes give a message
// naming what was decoded (e.g. "--letters"), the byte and its offset (plus
// offsetShift), and nullopt.
std::optional<Text> DecodeCliBytes(std::string_view bytes, CliEncoding encoding, std::string_view what,
                                   const CliContext& context, std::size_t offsetShift = 0);

// Checks that all of bytes decode in the encoding, without keeping the
// characters; a message as DecodeCliBytes gives it (offsetShift is added to
// the offset it names) and false when not.
bool CheckCliBytes(std::string_view bytes, CliEncoding encoding, std::size_t offsetShift, std::string_view what,
                   const CliContext& context);

// The bytes of the call's text: the value of --text, or else all of
// standard input.  In UTF-8 a leading byte order mark is not part of the
// text, as when a file is loaded: the text starts behind it.  Nullopt, with
// a message, when standard input holds more than the call's read limit.
struct CliBytes {
  std::string bytes;
  std::size_t start = 0;  // where the text starts in bytes
  std::string_view what;  // how messages name it
  std::string_view View() const { return std::string_view(bytes).substr(start); }
};
std::optional<CliBytes> ReadCliBytes(const ParsedOptions& options, CliEncoding encoding, const CliContext& context);

// The bytes of the file that an option names, for its messages named by
// `what` ("die Datei der Silben-Ausnahmen").  Nullopt, with a message, when
// it is no regular file, is over the read limit or cannot be read.
std::optional<std::string> ReadNamedFile(const std::string& path, std::string_view what, const CliContext& context);

// The message of a named file that could not be read: "what „path“ gibt es
// nicht; nichts geschrieben", a folder as "„path“ ist ein Ordner; nichts
// geschrieben.".
void ReportReadFailure(const std::string& path, std::string_view what, ReadFailure failure, const CliContext& context);

// The decoded text of the call (see ReadCliBytes), with room for one more
// character.  Standard input that can tell its length (a file) is decoded a
// block at a time, so that its bytes are not held beside its characters.
std::optional<Text> ReadCliText(const ParsedOptions& options, CliEncoding encoding, const CliContext& context);

// Writes the text in the encoding, followed by a newline when newline is
// set.  A character that code page 1252 lacks gives a message, nothing is
// written and the result is false.
bool WriteCliText(TextView text, CliEncoding encoding, std::ostream& to, const CliContext& context,
                  bool newline = true);

}  // namespace tesmoran
