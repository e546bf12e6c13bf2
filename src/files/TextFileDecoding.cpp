// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TextFileDecoding.h"

#include <algorithm>

#include "files/ByteDecoders.h"

namespace tesmoran {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr Char kEndOfFileMark = 26;

bool IsAllowedControl(Char c) { return c == 9 || c == 10 || c == 12 || c == 13; }

// Drops an unfinished UTF-8 sequence at the end (at most three bytes).
std::string_view WithoutCutSequence(std::string_view bytes) {
  for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((b & 0xC0) == 0x80) continue;  // continuation byte: look further back
    const std::size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return need > back ? bytes.substr(0, bytes.size() - back) : bytes;
  }
  return bytes;
}

MarkedText DecodeUtf16File(std::string_view bytes, ByteOrder order, bool cutShort, Text& reason, TextView why) {
  if (cutShort && bytes.size() % 2 != 0) bytes.remove_suffix(1);
  reason.assign(why);
  return DecodeUtf16(bytes, order);
}

MarkedText DecodeEightBitOrUtf8(std::string_view bytes, bool cutShort) {
  const bool bom = bytes.starts_with(kUtf8Bom);
  if (bom) bytes.remove_prefix(kUtf8Bom.size());
  if (cutShort) bytes = WithoutCutSequence(bytes);
  const Utf8Census census = CountUtf8(bytes);
  if (census.invalid == 0 || census.MostlyUtf8()) return DecodeMixedUtf8(bytes);
  // Without a mark such bytes are code page 1252; after a mark that promises
  // UTF-8 they are no text from the first stray byte on.
  return bom ? DecodeMixedUtf8(bytes, StrayBytes::kBad) : DecodeCp1252Marked(bytes);
}

MarkedText DecodeAny(std::string_view bytes, bool cutShort, Text& reason) {
  if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
    const ByteOrder order = bytes.starts_with(kUtf16LeBom) ? ByteOrder::kLittleEndian : ByteOrder::kBigEndian;
    return DecodeUtf16File(bytes.substr(2), order, cutShort, reason,
                           U"Die Datei ist als UTF-16 gespeichert, enthält aber Zeichen, die kein Text sind.");
  }
  if (const auto order = Utf16ByteOrderByZeros(bytes)) {
    return DecodeUtf16File(bytes, *order, cutShort, reason,
                           U"Die Datei sieht nach UTF-16 ohne Kennung aus (Nullbytes), "
                           U"lässt sich so aber nicht als Text lesen.");
  }
  if (const auto order = Utf16ByteOrderByScript(cutShort ? bytes.substr(0, bytes.size() & ~std::size_t{1}) : bytes)) {
    return DecodeUtf16File(bytes, *order, cutShort, reason,
                           U"Die Datei sieht nach UTF-16 ohne Kennung aus, lässt sich so aber nicht als Text lesen.");
  }
  return DecodeEightBitOrUtf8(bytes, cutShort);
}

}  // namespace

DecodedFile DecodeFileBytes(std::string_view bytes, bool cutShort) {
  DecodedFile file;
  MarkedText marked = DecodeAny(bytes, cutShort, file.reason);
  file.text = std::move(marked.text);
  while (!cutShort && !file.text.empty() && file.text.back() == kEndOfFileMark) file.text.pop_back();
  std::size_t end = std::min(marked.firstBad, file.text.size());
  for (std::size_t i = 0; i < end; ++i) {
    if (IsControlChar(file.text[i]) && !IsAllowedControl(file.text[i])) end = i;
  }
  if (end < file.text.size()) file.firstBad = end;
  if (file.WhollyText()) file.reason.clear();
  return file;
}

Text DecodeFileName(std::string_view bytes) {
  const Utf8Census census = CountUtf8(bytes);
  return (census.invalid == 0 || census.MostlyUtf8() ? DecodeMixedUtf8(bytes) : DecodeCp1252Marked(bytes)).text;
}

std::optional<Text> DecodeTextFile(std::string_view bytes, bool cutShort) {
  DecodedFile file = DecodeFileBytes(bytes, cutShort);
  if (!file.WhollyText()) return std::nullopt;
  return std::move(file.text);
}

}  // namespace tesmoran
