// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tesmoran {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// Copies the run of ASCII bytes at p[i] on (up to its last whole block) to
// out[count] on, sixteen or eight bytes at a time; without `write` it
// only skips them.
template <bool write>
void TakeAsciiRun(const unsigned char* p, std::size_t n, std::size_t& i, Char* out, std::size_t& count) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (i + 16 <= n) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    if (_mm_movemask_epi8(bytes) != 0) break;
    if constexpr (write) {
      const __m128i low = _mm_unpacklo_epi8(bytes, zero);
      const __m128i high = _mm_unpackhi_epi8(bytes, zero);
      auto* to = reinterpret_cast<__m128i*>(out + count);
      _mm_storeu_si128(to, _mm_unpacklo_epi16(low, zero));
      _mm_storeu_si128(to + 1, _mm_unpackhi_epi16(low, zero));
      _mm_storeu_si128(to + 2, _mm_unpacklo_epi16(high, zero));
      _mm_storeu_si128(to + 3, _mm_unpackhi_epi16(high, zero));
    }
    i += 16;
    count += 16;
  }
#endif
  while (i + 8 <= n) {
    std::uint64_t word;
    std::memcpy(&word, p + i, 8);
    if ((word & kHighBits) != 0) break;
    if constexpr (write) {
      for (int k = 0; k < 8; ++k) out[count + k] = p[i + k];
    }
    i += 8;
    count += 8;
  }
}

// Decodes the bytes into out, which has room for one character per byte;
// returns the number of characters, or the offset of the first invalid
// byte in *bad.  Without `write` it only checks the bytes (out is unused).
template <bool write>
std::size_t DecodeInto(std::string_view bytes, Char* out, std::size_t* bad) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  std::size_t count = 0;
  while (i < n) {
    TakeAsciiRun<write>(p, n, i, out, count);
    if (i >= n) break;
    const unsigned b0 = p[i];
    if (b0 < 0x80) {
      if constexpr (write) out[count] = b0;
      ++count;
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
    if constexpr (write) out[count] = c;
    ++count;
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
    length += 1 + (c >= 0x80) + (c >= 0x800) + (c >= 0x10000 && c <= 0x10FFFF);
  }
  return length;
}

// Writes sixteen characters from `from` as bytes to `to` when all of them
// are ASCII; false (and nothing written) when not.
bool PutAsciiBlock(const Char* from, char* to) {
#if defined(__SSE2__)
  const auto* in = reinterpret_cast<const __m128i*>(from);
  const __m128i a = _mm_loadu_si128(in);
  const __m128i b = _mm_loadu_si128(in + 1);
  const __m128i c = _mm_loadu_si128(in + 2);
  const __m128i d = _mm_loadu_si128(in + 3);
  const __m128i high = _mm_and_si128(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)), _mm_set1_epi32(~0x7F));
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(high, _mm_setzero_si128())) != 0xFFFF) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
  return true;
#else
  Char all = 0;
  for (int k = 0; k < 16; ++k) all |= from[k];
  if (all >= 0x80) return false;
  for (int k = 0; k < 16; ++k) to[k] = static_cast<char>(from[k]);
  return true;
#endif
}

}  // namespace

std::optional<Text> DecodeUtf8(std::string_view bytes, DecodeError* error, std::size_t spare) {
  Text out(bytes.size() + spare, Char{0});
  std::size_t bad = 0;
  const std::size_t count = DecodeInto<true>(bytes, out.data(), &bad);
  if (bad < bytes.size()) {
    if (error) error->offset = bad;
    return std::nullopt;
  }
  out.resize(count);
  return out;
}

std::optional<std::size_t> DecodeUtf8Into(std::string_view bytes, Char* out, DecodeError* error) {
  std::size_t bad = 0;
  const std::size_t count = DecodeInto<true>(bytes, out, &bad);
  if (bad < bytes.size()) {
    if (error) error->offset = bad;
    return std::nullopt;
  }
  return count;
}

std::size_t IncompleteUtf8Tail(std::string_view bytes) {
  // The last byte that is no continuation byte, among the last three.
  std::size_t lead = bytes.size();
  for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    if ((static_cast<unsigned char>(bytes[bytes.size() - back]) & 0xC0) != 0x80) {
      lead = bytes.size() - back;
      break;
    }
  }
  if (lead == bytes.size()) return 0;
  const auto b0 = static_cast<unsigned char>(bytes[lead]);
  const std::size_t length = (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 1;
  const std::size_t have = bytes.size() - lead;
  return have < length ? have : 0;
}

bool IsValidUtf8(std::string_view bytes, DecodeError* error) {
  std::size_t bad = 0;
  DecodeInto<false>(bytes, nullptr, &bad);
  if (bad < bytes.size()) {
    if (error) error->offset = bad;
    return false;
  }
  return true;
}

void AppendUtf8(TextView text, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + Utf8Length(text));
  char* p = out.data() + start;
  constexpr std::size_t kBlock = 16;
  for (std::size_t k = 0; k < text.size();) {
    if (k + kBlock <= text.size() && PutAsciiBlock(text.data() + k, p)) {
      k += kBlock;
      p += kBlock;
      continue;
    }
    // A block with another character, or the end: one character at a time.
    for (const std::size_t end = std::min(k + kBlock, text.size()); k < end; ++k) {
      const Char c = text[k];
      if (c < 0x80) {
        *p++ = static_cast<char>(c);
      } else {
        p += EncodeChar(c, p);
      }
    }
  }
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  AppendUtf8(text, out);
  return out;
}

}  // namespace tesmoran
