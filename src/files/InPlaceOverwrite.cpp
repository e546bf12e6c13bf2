// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/InPlaceOverwrite.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "files/TemporaryName.h"

namespace tesmoran {
namespace fs = std::filesystem;
namespace {

// The whole content of a prepared file.
bool ReadAll(const fs::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

WriteResult WriteOver(const fs::path& target, const std::string& bytes) {
  std::FILE* file = std::fopen(target.c_str(), "r+b");
  if (!file) return WriteResult::Failed(WriteErrorReason(LastFileError()));
  WriteResult result = WriteAllAndFlush(file, bytes);
  std::error_code error;
  if (result.ok) fs::resize_file(target, bytes.size(), error);
  if (error) result = WriteResult::Failed(WriteErrorReason(error));
  if (result.ok) result = SyncToDisk(file);
  if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastFileError()));
  return result;
}

}  // namespace

WriteResult OverwriteInPlace(const fs::path& target, const std::function<WriteResult(const fs::path&)>& fill,
                             bool makePrivate) {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  if (error) return WriteResult::Failed(WriteErrorReason(error));
  fs::path temp;
  constexpr fs::perms kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;
  std::FILE* reserved = CreateTemporaryIn(folder, temp, kOwnerOnly);
  if (!reserved) return WriteResult::Failed(WriteErrorReason(LastFileError()));
  std::fclose(reserved);

  WriteResult result = fill(temp);
  std::string bytes;
  if (result.ok && !ReadAll(temp, bytes)) result = WriteResult::Failed(WriteErrorReason(LastFileError()));
  if (result.ok && makePrivate) fs::permissions(target, kOwnerOnly, error);
  if (error) result = WriteResult::Failed(WriteErrorReason(error));
  if (result.ok) result = WriteOver(target, bytes);
  fs::remove(temp, error);
  return result;
}

}  // namespace tesmoran
