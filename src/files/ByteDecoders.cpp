// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ByteDecoders.h"

#include <algorithm>
#include <utility>

#include "text/Cp1252.h"

namespace tesmoran {
namespace {

// The length of the valid UTF-8 sequence of two to four bytes at `i`, with
// its character in `c`; 0 when none starts there.
std::size_t ValidSequenceAt(std::string_view bytes, std::size_t i, Char& c) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  std::size_t length = 0;
  Char minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, c = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, c = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, c = b0 & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

void AppendCp1252Byte(char byte, MarkedText& out) {
  const auto decoded = DecodeCp1252(std::string_view(&byte, 1));
  if (decoded) {
    out.text += *decoded;
  } else {
    out.MarkBad();
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

MarkedText DecodeCp1252Marked(std::string_view bytes) {
  MarkedText out;
  out.text.reserve(bytes.size());
  for (char byte : bytes) AppendCp1252Byte(byte, out);
  return out;
}

Utf8Census CountUtf8(std::string_view bytes) {
  Utf8Census census;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    Char c = 0;
    const std::size_t length = ValidSequenceAt(bytes, i, c);
    if (length > 0) {
      ++census.valid;
      i += length;
    } else {
      ++census.invalid;
      ++i;
    }
  }
  return census;
}

MarkedText DecodeMixedUtf8(std::string_view bytes, StrayBytes stray) {
  MarkedText out;
  out.text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    Char c = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = c < 0x80 ? 1 : ValidSequenceAt(bytes, i, c);
    if (length == 0) {
      if (stray == StrayBytes::kBad) {
        out.MarkBad();
      } else {
        AppendCp1252Byte(bytes[i], out);
      }
      ++i;
    } else {
      out.text.push_back(c);
      i += length;
    }
  }
  return out;
}

std::optional<ByteOrder> Utf16ByteOrderByZeros(std::string_view bytes) {
  std::size_t zerosEven = 0;
  std::size_t zerosOdd = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') ++(i % 2 == 0 ? zerosEven : zerosOdd);
  }
  // At least a quarter of the units carry a zero on one side, and the other
  // side holds at most a quarter as many zero bytes.
  const std::size_t units = (bytes.size() + 1) / 2;
  const auto oneSided = [units](std::size_t side, std::size_t other) {
    return side > 0 && side * 4 >= units && other * 4 <= side;
  };
  if (oneSided(zerosOdd, zerosEven)) return ByteOrder::kLittleEndian;
  if (oneSided(zerosEven, zerosOdd)) return ByteOrder::kBigEndian;
  return std::nullopt;
}

namespace {

// A character that texts are written in: letters of the common scripts,
// their punctuation, and the usual white space.
bool IsScriptCharacter(char32_t c) {
  constexpr std::pair<char32_t, char32_t> kRanges[] = {
      {0x0009, 0x000A}, {0x000D, 0x000D}, {0x0020, 0x007E}, {0x00A0, 0x024F}, {0x0370, 0x052F}, {0x0590, 0x06FF},
      {0x0E00, 0x0E7F}, {0x2000, 0x206F}, {0x3000, 0x30FF}, {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3}, {0xFF00, 0xFFEF}};
  for (const auto& [first, last] : kRanges) {
    if (c >= first && c <= last) return true;
  }
  return false;
}

// How many of the units are script characters in this byte order.
std::size_t ScriptUnits(std::string_view bytes, ByteOrder order) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    const char32_t unit = order == ByteOrder::kLittleEndian ? first | second << 8 : first << 8 | second;
    if (IsScriptCharacter(unit)) ++count;
  }
  return count;
}

}  // namespace

std::optional<ByteOrder> Utf16ByteOrderByScript(std::string_view bytes) {
  // Too few units say nothing: «Übel» in code page 1252 reads as two ideographs.
  if (bytes.size() < 16) return std::nullopt;
  const std::size_t outsideAscii = static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char b) {
    const auto u = static_cast<unsigned char>(b);
    return u >= 0x80 || (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D);
  }));
  if (outsideAscii * 4 < bytes.size()) return std::nullopt;
  const Utf8Census census = CountUtf8(bytes);
  if (census.valid > 0 && census.MostlyUtf8()) return std::nullopt;
  const std::size_t units = bytes.size() / 2;
  const std::size_t little = ScriptUnits(bytes, ByteOrder::kLittleEndian);
  const std::size_t big = ScriptUnits(bytes, ByteOrder::kBigEndian);
  // Nearly all (19 of 20) in one order, and at most three quarters of that
  // in the other.
  const auto wins = [units](std::size_t one, std::size_t other) {
    return one * 20 >= units * 19 && other * 4 <= one * 3;
  };
  if (wins(little, big)) return ByteOrder::kLittleEndian;
  if (wins(big, little)) return ByteOrder::kBigEndian;
  return std::nullopt;
}

MarkedText DecodeUtf16(std::string_view bytes, ByteOrder order) {
  MarkedText out;
  out.text.reserve(bytes.size() / 2);
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(order == ByteOrder::kLittleEndian ? first | second << 8 : first << 8 | second);
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char16_t unit = unitAt(i);
    if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
      out.text.push_back(0x10000 + ((static_cast<Char>(unit) - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
      i += 2;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.MarkBad();
    } else {
      out.text.push_back(unit);
    }
  }
  if (i < bytes.size()) out.MarkBad();
  return out;
}

}  // namespace tesmoran
