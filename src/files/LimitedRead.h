// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole file the user named, with a limit: only a regular file is
// read (a folder, a device such as /dev/zero, a pipe or a socket is
// refused before a byte is read), and never more than a limit of bytes, so
// that no named file can fill the memory.
#include <cstddef>
#include <filesystem>
#include <string>

#include "text/Text.h"

namespace tesmoran {

// The most that the program reads from one named file or from standard
// input: far more than any text a person would load.
inline constexpr std::size_t kReadLimit = std::size_t{64} << 20;

enum class ReadFailure {
  kNone,
  kMissing,     // nothing has that name
  kFolder,      // it names a folder
  kNotRegular,  // a device, a pipe or a socket
  kTooLarge,    // more bytes than the limit
  kUnreadable,  // the system refused to read it
};

struct LimitedRead {
  std::string bytes;  // the whole file, when failure is kNone
  ReadFailure failure = ReadFailure::kNone;
  bool ok() const { return failure == ReadFailure::kNone; }
};

// All bytes of the regular file at path, or the failure.  A link is
// followed.
LimitedRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit = kReadLimit);

// The failure as the end of a German sentence that begins with the file's
// name: "ist ein Ordner", "ist größer als 64 MiB" ...
Text ReadFailurePredicate(ReadFailure failure, std::size_t limit = kReadLimit);

// "64 MiB", "512 KiB", "100 Bytes".
Text SizeInWords(std::size_t bytes);

}  // namespace tesmoran
