// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/LimitedRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tesmoran {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

Text Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

LimitedRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit) {
  LimitedRead read;
  // O_NONBLOCK: opening a pipe that nobody writes to must not hang.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    read.failure = errno == ENOENT || errno == ENOTDIR ? ReadFailure::kMissing : ReadFailure::kUnreadable;
    if (errno == EISDIR) read.failure = ReadFailure::kFolder;
    return read;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    read.failure = ReadFailure::kUnreadable;
    return read;
  }
  if (S_ISDIR(info.st_mode)) {
    read.failure = ReadFailure::kFolder;
    return read;
  }
  if (!S_ISREG(info.st_mode)) {
    read.failure = ReadFailure::kNotRegular;
    return read;
  }
  if (static_cast<std::uintmax_t>(info.st_size) > limit) {
    read.failure = ReadFailure::kTooLarge;
    return read;
  }
  read.bytes.reserve(static_cast<std::size_t>(info.st_size));
  // The file may grow while it is read: the limit holds all the same.
  char block[kBlock];
  for (;;) {
    const ssize_t got = ::read(fd.get(), block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      read = {{}, ReadFailure::kUnreadable};
      return read;
    }
    if (got == 0) break;
    if (read.bytes.size() + static_cast<std::size_t>(got) > limit) {
      read = {{}, ReadFailure::kTooLarge};
      return read;
    }
    read.bytes.append(block, static_cast<std::size_t>(got));
  }
  return read;
}

Text SizeInWords(std::size_t bytes) {
  constexpr std::size_t kKiB = 1024;
  if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0) return Number(bytes / (kKiB * kKiB)) + U" MiB";
  if (bytes >= kKiB && bytes % kKiB == 0) return Number(bytes / kKiB) + U" KiB";
  return Number(bytes) + (bytes == 1 ? U" Byte" : U" Bytes");
}

Text ReadFailurePredicate(ReadFailure failure, std::size_t limit) {
  switch (failure) {
    case ReadFailure::kNone: return U"ist gelesen";
    case ReadFailure::kMissing: return U"gibt es nicht";
    case ReadFailure::kFolder: return U"ist ein Ordner";
    case ReadFailure::kNotRegular: return U"ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket";
    case ReadFailure::kTooLarge: return U"ist größer als " + SizeInWords(limit);
    case ReadFailure::kUnreadable: break;
  }
  return U"lässt sich nicht lesen";
}

}  // namespace tesmoran
