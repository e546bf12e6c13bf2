// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PrivateFolder.h"

#include <system_error>

namespace tesmoran {
namespace fs = std::filesystem;

bool MakePrivateFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error)) return false;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
  return !error;
}

}  // namespace tesmoran
