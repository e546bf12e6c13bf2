// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TemporaryName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

namespace tesmoran {
namespace {

constexpr int kAttempts = 16;

// ".tsm" and two short numbers: at most 25 bytes.
std::string ShortName() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return ".tsm" + std::to_string(static_cast<unsigned long long>(stamp) % 1000000007ULL) + "-" +
         std::to_string(counter++ % 100000);
}

}  // namespace

std::FILE* CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& made,
                             std::optional<std::filesystem::perms> mode) {
  const auto bits = static_cast<mode_t>(mode ? static_cast<unsigned>(*mode) & 07777U : 0666U);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    made = folder / ShortName();
    // O_EXCL: the file must not exist yet.
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, bits);
    if (fd < 0) {
      if (errno != EEXIST) return nullptr;
      continue;
    }
    // The umask only narrows the mode given to open; the wanted mode is set
    // in full while the file is still empty.
    if (mode && ::fchmod(fd, bits) != 0) {
      const int cause = errno;
      ::close(fd);
      ::unlink(made.c_str());
      errno = cause;
      return nullptr;
    }
    if (std::FILE* file = ::fdopen(fd, "wb")) return file;
    const int cause = errno;
    ::close(fd);
    ::unlink(made.c_str());
    errno = cause;
    return nullptr;
  }
  return nullptr;
}

}  // namespace tesmoran
