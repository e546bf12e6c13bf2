// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder for the user's private files (the recovery of the session, the
// own syllables): made with its parents when missing, and open to the user
// alone (0700), also when it was made wider before.
#include <filesystem>

namespace tesmoran {

// True when the folder exists afterwards with the user-only permissions.
bool MakePrivateFolder(const std::filesystem::path& folder);

}  // namespace tesmoran
