// SPDX-License-Identifier: GPL-3.0-or-later
// Reading text files: the decoding of any bytes ends without a fault, and a
// file read as UTF-8, cut anywhere, still decodes when it is known to be cut
// short; the field reader gives fields without line breaks, and the joined
// text with a length limit is the start of the joined text without one,
// ending at a field's end.
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "FuzzInput.h"
#include "files/FieldReader.h"
#include "files/TextFileDecoding.h"
#include "text/Utf8.h"

namespace tesmoran::fuzz {
namespace {

void CheckDecoding(std::string_view bytes, std::size_t cut) {
  const std::optional<Text> whole = DecodeTextFile(bytes);
  DecodeTextFile(bytes, true);
  const DecodedFile decoded = DecodeFileBytes(bytes);
  Check(decoded.WhollyText() == whole.has_value(), "the two decodings disagree whether the file is text");
  DecodeFileName(bytes);
  // Only files read as UTF-8 as they stand count: a valid UTF-8 file may
  // also be read otherwise, e.g. as UTF-16 for its zero bytes.
  const std::optional<Text> asUtf8 = DecodeUtf8(bytes);
  if (!whole || !asUtf8 || *whole != *asUtf8) return;
  const std::string_view start = bytes.substr(0, cut % (bytes.size() + 1));
  // An end-of-file mark counts as one only at the very end of the file; a
  // cut that ends on one shows it in the middle, where it makes the file
  // no text.
  if (!start.empty() && start.back() == '\x1A') return;
  Check(DecodeTextFile(start, true).has_value(), "a cut of a valid UTF-8 file does not decode");
}

void CheckFields(TextView text, std::size_t limit) {
  FieldReader reader(text);
  std::size_t fields = 0;
  while (!reader.AtEnd()) {
    const Text field = reader.Next();
    Check(field.find_first_of(U"\r\n") == Text::npos, "a field holds a line break", field);
    Check(++fields <= text.size(), "more fields than characters", text);
  }
  const std::optional<Text> all = JoinFields(text, std::numeric_limits<std::size_t>::max());
  const std::optional<Text> limited = JoinFields(text, limit);
  Check(all.has_value() == (fields > 0) && limited.has_value() == all.has_value(), "a text without fields");
  if (!all) return;
  Check(all->starts_with(*limited), "the limited text is not the start of the whole", text);
  if (limited->size() < all->size()) {
    Check(limited->size() + 1 > limit, "reading stopped before the limit", text);
    Check((*all)[limited->size()] == U' ', "reading stopped inside a field", text);
  }
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FuzzInput input(data, size);
  const std::size_t cut = input.Number(4096);
  CheckDecoding(bytes, cut);
  const std::size_t limit = input.Number(300);
  CheckFields(input.RestText(), limit);
  return 0;
}
