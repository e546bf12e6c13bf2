#pragma once
// Reading the text of a tesmoran-cli call and writing its results, in
// UTF-8 or code page 1252.
#include <iosfwd>
#include <optional>
#include <string>

#include "text/Text.h"

namespace tesmoran {

enum class CliEncoding { kUtf8, kCp1252 };

// "utf-8" / "utf8" / "cp1252" / "windows-1252"; nullopt for anything else.
std::optional<CliEncoding> ParseCliEncoding(const std::string& name);

// Decodes an option value or the whole of standard input, byte for byte.
// Invalid bytes give a message on err (naming the byte offset) and nullopt.
std::optional<Text> DecodeCliBytes(const std::string& bytes, CliEncoding encoding, std::ostream& err);
std::optional<Text> ReadCliInput(const std::optional<std::string>& textOption, CliEncoding encoding,
                                 std::istream& in, std::ostream& err);

// Encodes a result; a character that code page 1252 lacks gives a message
// on err and nullopt.
std::optional<std::string> EncodeCliText(const Text& text, CliEncoding encoding, std::ostream& err);

}  // namespace tesmoran
