// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fresh temporary files with short names, so that even a target whose own
// name is as long as the file system allows gets one beside it.
#include <cstdio>
#include <filesystem>
#include <optional>

namespace tesmoran {

// Creates a new, empty file in `folder` under a short name that no other
// file there has, opened for writing, and stores its path in `made`.  With
// `mode` the file has exactly these permissions before anything is written
// to it (whatever the umask); without, the system's default for new files.
// Null, with errno set, when no such file can be created.
std::FILE* CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& made,
                             std::optional<std::filesystem::perms> mode = std::nullopt);

}  // namespace tesmoran
