// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SyllableExceptionsFile.h"

#include <optional>
#include <string_view>

#include "text/Utf8.h"

namespace tesmoran {

ExceptionsFileLoad LoadSyllableExceptionsFile(const std::filesystem::path& path, std::size_t limit) {
  ExceptionsFileLoad load;
  const LimitedRead read = ReadRegularFile(path, limit);
  load.failure = read.failure;
  if (!read.ok()) return load;
  std::string_view view = read.bytes;
  if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
  const std::optional<Text> text = DecodeUtf8(view);
  if (!text) {
    load.notUtf8 = true;
    return load;
  }
  load.exceptions = SyllableExceptions::Parse(*text);
  return load;
}

}  // namespace tesmoran
