// SPDX-License-Identifier: GPL-3.0-or-later
// The UTF-8 and code page 1252 codecs: bytes decoded and encoded again come
// back unchanged, texts encoded and decoded again too, and the offset of an
// invalid input is the one a plain byte-by-byte validator finds.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran::fuzz {
namespace {

// The offset of the first byte of the first sequence that is not well-formed
// UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF), or
// nullopt when all of them are.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (b <= 0x7F) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return i;
    }
    if (i + length > bytes.size()) return i;
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      const bool ok = k == 1 ? c >= low && c <= high : c >= 0x80 && c <= 0xBF;
      if (!ok) return i;
    }
    i += length;
  }
  return std::nullopt;
}

std::optional<std::size_t> FirstUnassignedCp1252(std::string_view bytes) {
  constexpr std::string_view kUnassigned = "\x81\x8D\x8F\x90\x9D";
  const std::size_t at = bytes.find_first_of(kUnassigned);
  if (at == std::string_view::npos) return std::nullopt;
  return at;
}

void CheckUtf8Bytes(std::string_view bytes) {
  DecodeError error;
  const std::optional<Text> text = DecodeUtf8(bytes, &error);
  const std::optional<std::size_t> invalid = FirstInvalidUtf8(bytes);
  Check(text.has_value() == !invalid.has_value(), "UTF-8 validity differs from the validator");
  if (invalid) {
    Check(error.offset == *invalid, "UTF-8 error offset differs from the validator");
    return;
  }
  Check(EncodeUtf8(*text) == bytes, "UTF-8 bytes do not come back", *text);
}

void CheckCp1252Bytes(std::string_view bytes) {
  DecodeError error;
  const std::optional<Text> text = DecodeCp1252(bytes, &error);
  const std::optional<std::size_t> unassigned = FirstUnassignedCp1252(bytes);
  Check(text.has_value() == !unassigned.has_value(), "code page 1252 validity differs from the validator");
  if (unassigned) {
    Check(error.offset == *unassigned, "code page 1252 error offset differs from the validator");
    return;
  }
  Check(text->size() == bytes.size(), "code page 1252 is not one character per byte", *text);
  const std::optional<std::string> again = EncodeCp1252(*text);
  Check(again && *again == bytes, "code page 1252 bytes do not come back", *text);
}

void CheckText(const Text& text) {
  const std::optional<Text> back = DecodeUtf8(EncodeUtf8(text));
  Check(back && *back == text, "text does not come back through UTF-8", text);
  const bool fits = std::all_of(text.begin(), text.end(), [](Char c) { return IsCp1252(c); });
  const std::optional<std::string> bytes = EncodeCp1252(text);
  Check(bytes.has_value() == fits, "code page 1252 encodes a character it lacks, or refuses one it has", text);
  if (bytes) {
    const std::optional<Text> decoded = DecodeCp1252(*bytes);
    Check(decoded && *decoded == text, "text does not come back through code page 1252", text);
  }
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckUtf8Bytes(bytes);
  CheckCp1252Bytes(bytes);
  FuzzInput input(data, size);
  CheckText(input.RestText());
  return 0;
}
