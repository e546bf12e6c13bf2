// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Overwriting an existing file in place, for the cases where a new file
// cannot be renamed over it: a folder that may not be written to, or a
// file with several hard links, which must stay one file.
#include <filesystem>
#include <functional>

#include "files/AtomicFile.h"

namespace tesmoran {

// Fills a fresh file in the system's temporary folder with `fill`; only when
// that succeeded is its content written over the target's, which is then cut
// to the new length.  A failure before the target is opened leaves it as it
// was; the temporary file, readable only by the user, is always removed.
// A private target is made readable only by the user before it is written.
WriteResult OverwriteInPlace(const std::filesystem::path& target,
                             const std::function<WriteResult(const std::filesystem::path&)>& fill,
                             bool makePrivate = false);

}  // namespace tesmoran
