// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TemporaryName.h"

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

std::FILE* CreateTemporaryIn(const std::filesystem::path& folder, std::filesystem::path& made) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    made = folder / ShortName();
    // "x": the file must not exist yet.
    if (std::FILE* file = std::fopen(made.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace tesmoran
