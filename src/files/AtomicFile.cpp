#include "files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define TESMORAN_HAS_FSYNC 1
#endif

namespace tesmoran {
namespace fs = std::filesystem;
namespace {

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// A name for the temporary file that no other write of this run uses.
fs::path TemporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string suffix = ".tmp" + std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
  return target.parent_path() / ("." + target.filename().string() + suffix);
}

// Creates the temporary file; it must not exist yet.
std::FILE* CreateExclusive(const fs::path& temp) { return std::fopen(temp.c_str(), "wbx"); }

WriteResult WriteAndFlush(std::FILE* file, std::string_view bytes) {
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    return WriteResult::Failed(WriteErrorReason(LastError()));
  }
  if (std::fflush(file) != 0) return WriteResult::Failed(WriteErrorReason(LastError()));
#ifdef TESMORAN_HAS_FSYNC
  if (::fsync(::fileno(file)) != 0) return WriteResult::Failed(WriteErrorReason(LastError()));
#endif
  return {};
}

}  // namespace

Text WriteErrorReason(std::error_code error) {
  const auto is = [&error](std::errc e) { return error == std::make_error_condition(e); };
  if (is(std::errc::no_such_file_or_directory) || is(std::errc::not_a_directory)) {
    return U"Das Verzeichnis ist nicht vorhanden.";
  }
  if (is(std::errc::permission_denied) || is(std::errc::operation_not_permitted)) {
    return U"Keine Berechtigung zum Schreiben.";
  }
  if (is(std::errc::no_space_on_device)) return U"Der Datenträger ist voll.";
  if (is(std::errc::file_too_large)) return U"Die Datei wird zu groß.";
  if (is(std::errc::read_only_file_system)) return U"Der Datenträger ist schreibgeschützt.";
  if (is(std::errc::is_a_directory)) return U"Unter diesem Namen gibt es ein Verzeichnis.";
  if (is(std::errc::filename_too_long)) return U"Der Name ist zu lang.";
  if (is(std::errc::invalid_argument) || is(std::errc::illegal_byte_sequence)) return U"Der Name ist ungültig.";
  const std::string code = std::to_string(error.value());
  return U"Die Datei kann nicht geschrieben werden (Fehler " + Text(code.begin(), code.end()) + U").";
}

WriteResult ReplaceFileAtomically(const fs::path& chosen, const std::function<WriteResult(const fs::path&)>& fill) {
  if (chosen.empty() || !chosen.has_filename()) return WriteResult::Failed(U"Der Name ist ungültig.");
  std::error_code error;
  fs::path target = chosen;
  if (fs::symlink_status(target, error).type() == fs::file_type::symlink) {
    target = fs::weakly_canonical(target, error);
    if (error) return WriteResult::Failed(WriteErrorReason(error));
  }
  if (fs::status(target, error).type() == fs::file_type::directory) {
    return WriteResult::Failed(U"Unter diesem Namen gibt es ein Verzeichnis.");
  }

  const fs::path temp = TemporaryBeside(target);
  std::FILE* reserved = CreateExclusive(temp);
  if (!reserved) return WriteResult::Failed(WriteErrorReason(LastError()));
  std::fclose(reserved);

  WriteResult result = fill(temp);
  if (result.ok) {
    const auto existing = fs::status(target, error);
    if (!error && fs::exists(existing)) fs::permissions(temp, existing.permissions(), error);
    error.clear();
    fs::rename(temp, target, error);
    if (error) result = WriteResult::Failed(WriteErrorReason(error));
  }
  if (!result.ok) fs::remove(temp, error);
  return result;
}

WriteResult WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  return ReplaceFileAtomically(target, [bytes](const fs::path& temp) {
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return WriteResult::Failed(WriteErrorReason(LastError()));
    WriteResult result = WriteAndFlush(file, bytes);
    if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastError()));
    return result;
  });
}

}  // namespace tesmoran
