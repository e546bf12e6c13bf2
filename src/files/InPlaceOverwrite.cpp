// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/InPlaceOverwrite.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "files/TemporaryName.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define TESMORAN_HAS_FSYNC 1
#endif

namespace tesmoran {
namespace fs = std::filesystem;
namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// The whole content of a prepared file.
bool ReadAll(const fs::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

WriteResult WriteOver(const fs::path& target, const std::string& bytes) {
  std::FILE* file = std::fopen(target.c_str(), "r+b");
  if (!file) return WriteResult::Failed(WriteErrorReason(LastError()));
  WriteResult result;
  if ((!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) ||
      std::fflush(file) != 0) {
    result = WriteResult::Failed(WriteErrorReason(LastError()));
  }
  std::error_code error;
  if (result.ok) fs::resize_file(target, bytes.size(), error);
  if (error) result = WriteResult::Failed(WriteErrorReason(error));
#ifdef TESMORAN_HAS_FSYNC
  if (result.ok && ::fsync(::fileno(file)) != 0) result = WriteResult::Failed(WriteErrorReason(LastError()));
#endif
  if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastError()));
  return result;
}

}  // namespace

WriteResult OverwriteInPlace(const fs::path& target, const std::function<WriteResult(const fs::path&)>& fill) {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  if (error) return WriteResult::Failed(WriteErrorReason(error));
  fs::path temp;
  std::FILE* reserved = CreateTemporaryIn(folder, temp);
  if (!reserved) return WriteResult::Failed(WriteErrorReason(LastError()));
  std::fclose(reserved);

  WriteResult result = fill(temp);
  std::string bytes;
  if (result.ok && !ReadAll(temp, bytes)) result = WriteResult::Failed(WriteErrorReason(LastError()));
  if (result.ok) result = WriteOver(target, bytes);
  fs::remove(temp, error);
  return result;
}

}  // namespace tesmoran
