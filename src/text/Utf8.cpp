// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Utf8.h"

#include <cstdint>
#include <cstring>

namespace tesmoran {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// Decodes the bytes into out, which has room for one character per byte;
// returns the number of characters, or the offset of the first invalid
// byte in *bad.
std::size_t DecodeInto(std::string_view bytes, Char* out, std::size_t* bad) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  std::size_t count = 0;
  while (i < n) {
    // Runs of ASCII, eight bytes at a time.
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if ((word & kHighBits) != 0) break;
      for (int k = 0; k < 8; ++k) out[count + k] = p[i + k];
      i += 8;
      count += 8;
    }
    if (i >= n) break;
    const unsigned b0 = p[i];
    if (b0 < 0x80) {
      out[count++] = b0;
      ++i;
      continue;
    }
    std::size_t length = 0;
    Char c = 0;
    Char minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
      length = 2; c = b0 & 0x1F; minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
      length = 3; c = b0 & 0x0F; minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
      length = 4; c = b0 & 0x07; minimum = 0x10000;
    } else {
      *bad = i;
      return 0;
    }
    if (i + length > n) {
      *bad = i;
      return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned b = p[i + k];
      if ((b & 0xC0) != 0x80) {
        *bad = i;
        return 0;
      }
      c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      *bad = i;
      return 0;
    }
    out[count++] = c;
    i += length;
  }
  *bad = n;
  return count;
}

// Writes the UTF-8 bytes of one character to out; returns how many.
std::size_t EncodeChar(Char c, char* out) {
  if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

// The number of bytes that the text takes in UTF-8.
std::size_t Utf8Length(TextView text) {
  std::size_t length = 0;
  for (Char c : text) {
    length += c < 0x80 ? 1 : c < 0x800 ? 2 : (c < 0x10000 || c > 0x10FFFF) ? 3 : 4;
  }
  return length;
}

}  // namespace

std::optional<Text> DecodeUtf8(std::string_view bytes, DecodeError* error) {
  Text out(bytes.size(), Char{0});
  std::size_t bad = 0;
  const std::size_t count = DecodeInto(bytes, out.data(), &bad);
  if (bad < bytes.size()) {
    if (error) error->offset = bad;
    return std::nullopt;
  }
  out.resize(count);
  return out;
}

void AppendUtf8(TextView text, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + Utf8Length(text));
  char* p = out.data() + start;
  for (Char c : text) {
    if (c < 0x80) {
      *p++ = static_cast<char>(c);
    } else {
      p += EncodeChar(c, p);
    }
  }
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  AppendUtf8(text, out);
  return out;
}

}  // namespace tesmoran
