#include "files/TextFileDecoding.h"

#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char kEndOfFileMark = 26;

bool IsAllowedControl(unsigned char b) { return b == 9 || b == 10 || b == 12 || b == 13; }

bool HasBinaryBytes(std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32 && !IsAllowedControl(b)) return true;
  }
  return false;
}

bool HasNonAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

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

}  // namespace

std::optional<Text> DecodeTextFile(std::string_view bytes, bool cutShort) {
  while (!cutShort && !bytes.empty() && bytes.back() == kEndOfFileMark) bytes.remove_suffix(1);
  if (HasBinaryBytes(bytes)) return std::nullopt;
  const bool bom = bytes.starts_with(kUtf8Bom);
  if (bom) bytes.remove_prefix(kUtf8Bom.size());
  if (bom || HasNonAscii(bytes)) {
    const std::string_view whole = cutShort ? WithoutCutSequence(bytes) : bytes;
    if (auto text = DecodeUtf8(whole)) return text;
    if (bom) return std::nullopt;
  }
  return DecodeCp1252(bytes);
}

}  // namespace tesmoran
