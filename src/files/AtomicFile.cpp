// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "files/InPlaceOverwrite.h"
#include "files/TemporaryName.h"

namespace tesmoran {
namespace fs = std::filesystem;
namespace {

WriteResult WriteAndSync(std::FILE* file, std::string_view bytes) {
  WriteResult result = WriteAllAndFlush(file, bytes);
  return result.ok ? SyncToDisk(file) : result;
}

}  // namespace

std::error_code LastFileError() { return std::error_code(errno, std::generic_category()); }

WriteResult WriteAllAndFlush(std::FILE* file, std::string_view bytes) {
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    return WriteResult::Failed(WriteErrorReason(LastFileError()));
  }
  if (std::fflush(file) != 0) return WriteResult::Failed(WriteErrorReason(LastFileError()));
  return {};
}

WriteResult SyncToDisk(std::FILE* file) {
  if (::fsync(::fileno(file)) != 0) return WriteResult::Failed(WriteErrorReason(LastFileError()));
  return {};
}

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

Text ReasonNotWritable(const fs::path& target) {
  std::error_code error;
  const fs::file_status link = fs::symlink_status(target, error);
  const fs::file_status status = fs::status(target, error);
  if (link.type() == fs::file_type::symlink && !fs::exists(status)) {
    // A link to nothing is left alone rather than turned into a plain file.
    return U"Der Name ist eine Verknüpfung auf eine Datei, die es nicht gibt.";
  }
  if (status.type() == fs::file_type::directory) return U"Unter diesem Namen gibt es ein Verzeichnis.";
  if (fs::exists(status) && status.type() != fs::file_type::regular) {
    return U"Unter diesem Namen gibt es keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder einen Socket.";
  }
  // The effective user decides, as for the write itself.
  if (fs::exists(status) && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return WriteErrorReason(LastFileError());
  }
  return {};
}

WriteResult ReplaceFileAtomically(const fs::path& chosen, const std::function<WriteResult(const fs::path&)>& fill,
                                  FilePrivacy privacy) {
  if (chosen.empty() || !chosen.has_filename()) return WriteResult::Failed(U"Der Name ist ungültig.");
  if (Text why = ReasonNotWritable(chosen); !why.empty()) return WriteResult::Failed(std::move(why));
  std::error_code error;
  fs::path target = chosen;
  if (fs::symlink_status(target, error).type() == fs::file_type::symlink) {
    target = fs::canonical(target, error);
    if (error) return WriteResult::Failed(WriteErrorReason(error));
  }
  const fs::file_status existing = fs::status(target, error);
  const bool regular = existing.type() == fs::file_type::regular;
  const bool isPrivate = privacy == FilePrivacy::kPrivate;
  // Renaming a new file over one of several hard links would split them.
  if (regular && fs::hard_link_count(target, error) > 1 && !error) return OverwriteInPlace(target, fill, isPrivate);

  std::optional<fs::perms> mode;
  if (isPrivate) {
    mode = fs::perms::owner_read | fs::perms::owner_write;
  } else if (regular) {
    mode = existing.permissions();
  }
  fs::path temp;
  std::FILE* reserved =
      CreateTemporaryIn(target.parent_path().empty() ? fs::path(".") : target.parent_path(), temp, mode);
  if (!reserved) {
    const std::error_code cause = LastFileError();
    // A folder the user may not write to, holding a file the user may.
    const bool denied = cause == std::errc::permission_denied || cause == std::errc::operation_not_permitted;
    if (denied && regular) return OverwriteInPlace(target, fill, isPrivate);
    return WriteResult::Failed(WriteErrorReason(cause));
  }
  std::fclose(reserved);

  WriteResult result = fill(temp);
  if (result.ok) {
    // A filler that made its file anew gets the permissions again.
    if (mode) fs::permissions(temp, *mode, error);
    error.clear();
    fs::rename(temp, target, error);
    if (error) result = WriteResult::Failed(WriteErrorReason(error));
  }
  if (!result.ok) fs::remove(temp, error);
  return result;
}

WriteResult WriteFileAtomically(const fs::path& target, std::string_view bytes, FilePrivacy privacy) {
  return ReplaceFileAtomically(
      target,
      [bytes](const fs::path& temp) {
        std::FILE* file = std::fopen(temp.c_str(), "wb");
        if (!file) return WriteResult::Failed(WriteErrorReason(LastFileError()));
        WriteResult result = WriteAndSync(file, bytes);
        if (std::fclose(file) != 0 && result.ok) result = WriteResult::Failed(WriteErrorReason(LastFileError()));
        return result;
      },
      privacy);
}

}  // namespace tesmoran
