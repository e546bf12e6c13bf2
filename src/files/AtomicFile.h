// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a file so that it is either completely replaced or left as it
// was: the new content goes into a fresh file beside the target, which is
// then renamed over it.
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

#include "text/Text.h"

namespace tesmoran {

struct WriteResult {
  bool ok = true;
  Text reason;  // why the file could not be written (German), when !ok

  static WriteResult Failed(Text why) { return {false, std::move(why)}; }
};

// The reason of a file-system error in words for the user.
Text WriteErrorReason(std::error_code error);

// Fills a fresh temporary file beside `target` with `fill`, then renames it
// over the target.  On any failure the temporary file is removed and the
// target stays untouched.  A symbolic link is followed (a link to nothing is
// refused), and an existing target's permissions are kept.  An existing file
// with several hard links, or one in a folder that may not be written to,
// is overwritten in place once the new content is complete.
WriteResult ReplaceFileAtomically(const std::filesystem::path& target,
                                  const std::function<WriteResult(const std::filesystem::path&)>& fill);

// ReplaceFileAtomically with the bytes as the new content, flushed to the
// disk before the rename.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace tesmoran
