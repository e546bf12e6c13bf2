#include "app/cli/CliInput.h"

#include <iostream>
#include <iterator>
#include <sstream>

#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {

std::optional<CliEncoding> ParseCliEncoding(const std::string& name) {
  if (name == "utf-8" || name == "utf8" || name == "UTF-8") return CliEncoding::kUtf8;
  if (name == "cp1252" || name == "windows-1252" || name == "CP1252") return CliEncoding::kCp1252;
  return std::nullopt;
}

std::optional<Text> DecodeCliBytes(const std::string& bytes, CliEncoding encoding, std::ostream& err) {
  DecodeError error;
  std::optional<Text> text = encoding == CliEncoding::kUtf8 ? DecodeUtf8(bytes, &error)
                                                            : DecodeCp1252(bytes, &error);
  if (!text) {
    const auto byte = static_cast<unsigned>(static_cast<unsigned char>(bytes[error.offset]));
    std::ostringstream hex;
    hex << std::hex << std::uppercase << byte;
    err << "tesmoran-cli: the input is not valid "
        << (encoding == CliEncoding::kUtf8 ? "UTF-8" : "code page 1252") << " (byte 0x" << hex.str()
        << " at offset " << error.offset << ")"
        << (encoding == CliEncoding::kUtf8 ? "; try --encoding cp1252" : "") << "\n";
  }
  return text;
}

std::optional<Text> ReadCliInput(const std::optional<std::string>& textOption, CliEncoding encoding,
                                 std::istream& in, std::ostream& err) {
  if (textOption) return DecodeCliBytes(*textOption, encoding, err);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeCliBytes(bytes, encoding, err);
}

std::optional<std::string> EncodeCliText(const Text& text, CliEncoding encoding, std::ostream& err) {
  if (encoding == CliEncoding::kUtf8) return EncodeUtf8(text);
  std::optional<std::string> bytes = EncodeCp1252(text);
  if (!bytes) err << "tesmoran-cli: the result holds characters that code page 1252 cannot show\n";
  return bytes;
}

}  // namespace tesmoran
