// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a file so that it is either completely replaced or left as it
// was: the new content goes into a fresh file beside the target, which is
// then renamed over it.
#include <cstdio>
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

// The error of the C library call that failed last.
std::error_code LastFileError();
// Writes all of `bytes` to `file` and flushes the C library's buffer.
WriteResult WriteAllAndFlush(std::FILE* file, std::string_view bytes);
// Asks the system to put what was written to `file` onto the disk.
WriteResult SyncToDisk(std::FILE* file);

// Who may read the file that is written.
enum class FilePrivacy {
  kKeep,     // an existing file keeps its permissions; a new one gets the system's default
  kPrivate,  // only the user (0600), also when an older file allowed more
};

// Why a name cannot be written as a file: it names a folder, a device, a
// pipe or a socket; a link to nothing; or a file the user may not write.
// Empty when it may be written (also when nothing has that name yet).
Text ReasonNotWritable(const std::filesystem::path& target);

// Fills a fresh temporary file beside `target` with `fill`, then renames it
// over the target.  On any failure the temporary file is removed and the
// target stays untouched.  Only a regular file is ever replaced: a symbolic
// link to one is followed, anything else (see ReasonNotWritable) is refused
// before anything is written.  The temporary file has its final permissions
// before its first byte.  An existing file with several hard links, or one
// in a folder that may not be written to, is overwritten in place once the
// new content is complete.
WriteResult ReplaceFileAtomically(const std::filesystem::path& target,
                                  const std::function<WriteResult(const std::filesystem::path&)>& fill,
                                  FilePrivacy privacy = FilePrivacy::kKeep);

// ReplaceFileAtomically with the bytes as the new content, flushed to the
// disk before the rename.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                FilePrivacy privacy = FilePrivacy::kKeep);

}  // namespace tesmoran
