// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/Form3Browse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <filesystem>
#include <string>

#include "files/TextFileDecoding.h"
#include "platform/qt/QtText.h"

namespace tesmoran {
namespace {

// Volumes of the system itself, not of the user's files.
bool IsSystemVolume(const QStorageInfo& volume) {
  const QString root = volume.rootPath();
  for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/var/lib"}) {
    if (root.startsWith(QLatin1String(prefix))) {
      return !root.startsWith(QLatin1String("/run/media"));
    }
  }
  return !volume.device().startsWith("/dev/");
}

// True when the name's bytes end in one of the patterns' extensions, in any
// case.
bool MatchesPatterns(const std::string& name) {
  if (name.empty() || name[0] == '.') return false;  // hidden
  for (const QString& pattern : FilePatterns()) {
    const std::string extension = pattern.mid(1).toLower().toStdString();  // ".txt"
    if (name.size() <= extension.size()) continue;
    std::string tail = name.substr(name.size() - extension.size());
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (tail == extension) return true;
  }
  return false;
}

}  // namespace

QStringList FilePatterns() {
  return {QStringLiteral("*.ASC"), QStringLiteral("*.DAT"), QStringLiteral("*.DOC"), QStringLiteral("*.DOK"),
          QStringLiteral("*.TXT")};
}

QStringList DriveRoots() {
  QStringList roots{QStringLiteral("/"), QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && !IsSystemVolume(volume)) roots << volume.rootPath();
  }
  roots.removeDuplicates();
  roots.sort(Qt::CaseInsensitive);
  return roots;
}

QString DriveOf(const QString& path, const QStringList& roots) {
  QString best = QStringLiteral("/");
  for (const QString& root : roots) {
    const bool inside = path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
    if (inside && root.size() > best.size()) best = root;
  }
  return best;
}

bool IsDriveReady(const QString& root) {
  const QFileInfo info(root);
  return info.isDir() && info.isReadable() && QDir(root).exists();
}

QByteArray CleanDirectory(const QByteArray& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(path.toStdString()), error);
  if (error) absolute = fs::path(path.toStdString());
  std::string clean = absolute.lexically_normal().native();
  while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
  return QByteArray::fromStdString(clean);
}

QString ShownPath(const QByteArray& path) { return ToQString(DecodeFileName(path.toStdString())); }

std::vector<DirectoryLine> DirectoryLines(const QByteArray& path) {
  namespace fs = std::filesystem;
  std::vector<DirectoryLine> lines;
  lines.push_back({QByteArrayLiteral("/"), QStringLiteral("/"), 0, true});
  QByteArray so;
  for (const QByteArray& part : path.split('/')) {
    if (part.isEmpty()) continue;
    so += '/' + part;
    lines.push_back({so, ShownPath(part), static_cast<int>(lines.size()), true});
  }
  const int depth = static_cast<int>(lines.size());
  std::vector<DirectoryLine> children;
  std::error_code error;
  for (fs::directory_iterator it(path.toStdString(), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().native();
    std::error_code ignored;
    if (name.empty() || name[0] == '.' || !it->is_directory(ignored)) continue;
    const QByteArray bytes = QByteArray::fromStdString(it->path().native());
    children.push_back({bytes, ShownPath(QByteArray::fromStdString(name)), depth, false});
  }
  std::sort(children.begin(), children.end(), [](const DirectoryLine& a, const DirectoryLine& b) {
    const int order = a.caption.compare(b.caption, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.path < b.path;
  });
  lines.insert(lines.end(), children.begin(), children.end());
  return lines;
}

std::vector<FileEntry> MatchingFiles(const QByteArray& dir) {
  namespace fs = std::filesystem;
  std::vector<FileEntry> entries;
  std::error_code error;
  // The directory is read by bytes: names that are not valid in the
  // system's encoding are listed too.
  for (fs::directory_iterator it(dir.toStdString(), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().native();
    std::error_code ignored;
    if (!MatchesPatterns(name) || !it->is_regular_file(ignored)) continue;
    entries.push_back({ToQString(DecodeFileName(name)), QByteArray::fromStdString(name)});
  }
  std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
    const int order = a.shown.compare(b.shown, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.bytes < b.bytes;
  });
  return entries;
}

}  // namespace tesmoran
