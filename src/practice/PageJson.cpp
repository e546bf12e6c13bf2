// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PageJson.h"

#include "text/Utf8.h"

namespace tesmoran {
namespace {

void AppendUnicodeEscape(Char c, std::string& out) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(c >> shift) & 0xF]);
}

}  // namespace

void AppendJsonString(TextView text, std::string& out) {
  out.push_back('"');
  std::size_t start = 0;
  auto flush = [&](std::size_t end) {
    if (end > start) AppendUtf8(text.substr(start, end - start), out);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    const char* escape = nullptr;
    switch (c) {
      case U'"': escape = "\\\""; break;
      case U'\\': escape = "\\\\"; break;
      case U'\n': escape = "\\n"; break;
      case U'\r': escape = "\\r"; break;
      case U'\t': escape = "\\t"; break;
      default: break;
    }
    const bool unicode = c < 0x20 || c == U'<' || c == U'>' || c == U'&' || c == 0x2028 || c == 0x2029;
    if (!escape && !unicode) continue;
    flush(i);
    if (escape) {
      out += escape;
    } else {
      AppendUnicodeEscape(c, out);
    }
    start = i + 1;
  }
  flush(text.size());
  out.push_back('"');
}

std::string HtmlEscaped(TextView text) {
  std::string out;
  for (Char c : text) {
    switch (c) {
      case U'&': out += "&amp;"; break;
      case U'<': out += "&lt;"; break;
      case U'>': out += "&gt;"; break;
      case U'"': out += "&quot;"; break;
      case U'\'': out += "&#39;"; break;
      default: AppendUtf8(TextView(&c, 1), out); break;
    }
  }
  return out;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t n = static_cast<std::uint8_t>(bytes[i]) << 16 | static_cast<std::uint8_t>(bytes[i + 1]) << 8 |
                            static_cast<std::uint8_t>(bytes[i + 2]);
    out.push_back(kAlphabet[n >> 18]);
    out.push_back(kAlphabet[(n >> 12) & 63]);
    out.push_back(kAlphabet[(n >> 6) & 63]);
    out.push_back(kAlphabet[n & 63]);
  }
  if (i < bytes.size()) {
    std::uint32_t n = static_cast<std::uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    out.push_back(kAlphabet[n >> 18]);
    out.push_back(kAlphabet[(n >> 12) & 63]);
    out.push_back(i + 1 < bytes.size() ? kAlphabet[(n >> 6) & 63] : '=');
    out.push_back('=');
  }
  return out;
}

std::uint32_t AnswerKey(TextView text) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (Char c : text) {
    hash ^= static_cast<std::uint32_t>(c);
    hash *= 16777619u;
  }
  return hash | 1u;  // xorshift32 must not start from zero
}

std::string HiddenText(TextView text, std::uint32_t key) {
  std::string bytes = EncodeUtf8(text);
  std::uint32_t x = key | 1u;
  for (char& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<char>(static_cast<std::uint8_t>(b) ^ (x & 0xFF));
  }
  return Base64(bytes);
}

}  // namespace tesmoran
