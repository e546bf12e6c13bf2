// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Cp1252.h"

#include <array>

namespace tesmoran {
namespace {

// Characters of the bytes 0x80 to 0x9F; 0 where the byte has none.
constexpr std::array<Char, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of a character, or -1.
int ByteOf(Char c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c && c != 0) return static_cast<int>(0x80 + i);
  }
  return -1;
}

}  // namespace

bool IsCp1252(Char c) { return ByteOf(c) >= 0; }

std::optional<Text> DecodeCp1252(std::string_view bytes, DecodeError* error, std::size_t spare) {
  Text out;
  out.reserve(bytes.size() + spare);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    Char c = b;
    if (b >= 0x80 && b <= 0x9F) {
      c = kHighControls[b - 0x80];
      if (c == 0) {
        if (error) error->offset = i;
        return std::nullopt;
      }
    }
    out.push_back(c);
  }
  return out;
}

std::optional<std::string> EncodeCp1252(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (Char c : text) {
    const int b = ByteOf(c);
    if (b < 0) return std::nullopt;
    out.push_back(static_cast<char>(b));
  }
  return out;
}

}  // namespace tesmoran
