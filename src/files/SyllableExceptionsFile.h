// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading the user's own syllables from their file: the one loader that the
// window, the exceptions editor's preview and the command line share.
#include <cstddef>
#include <filesystem>

#include "files/LimitedRead.h"
#include "syllables/SyllableExceptions.h"

namespace tesmoran {

struct ExceptionsFileLoad {
  SyllableExceptions exceptions;  // the good lines; empty when the file could not be used
  ReadFailure failure = ReadFailure::kNone;
  bool notUtf8 = false;  // read, but no UTF-8 text: nothing of it is used
  // Whether the file was read and is text; its malformed lines are then
  // reported by exceptions.MalformedReport().
  bool usable() const { return failure == ReadFailure::kNone && !notUtf8; }
};

// Reads the file as UTF-8 (a leading byte order mark is skipped) and parses
// it.  At most `limit` bytes are read; only a regular file is read.
ExceptionsFileLoad LoadSyllableExceptionsFile(const std::filesystem::path& path, std::size_t limit = kReadLimit);

}  // namespace tesmoran
