#include "text/Utf8.h"

namespace tesmoran {

std::optional<Text> DecodeUtf8(std::string_view bytes, DecodeError* error) {
  Text out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  auto fail = [&](std::size_t at) -> std::optional<Text> {
    if (error) error->offset = at;
    return std::nullopt;
  };
  while (i < n) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    int length = 0;
    Char c = 0;
    Char minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
      length = 2; c = b0 & 0x1F; minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
      length = 3; c = b0 & 0x0F; minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
      length = 4; c = b0 & 0x07; minimum = 0x10000;
    } else {
      return fail(i);
    }
    if (i + static_cast<std::size_t>(length) > n) return fail(i);
    for (int k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((b & 0xC0) != 0x80) return fail(i);
      c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return fail(i);
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (Char c : text) {
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c <= 0x10FFFF) {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.append("\xEF\xBF\xBD");
    }
  }
  return out;
}

}  // namespace tesmoran
