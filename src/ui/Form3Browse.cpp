#include "ui/Form3Browse.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

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

std::vector<DirectoryLine> DirectoryLines(const QString& path) {
  const QString clean = QDir::cleanPath(QDir(path).absolutePath());
  std::vector<DirectoryLine> lines;
  lines.push_back({QStringLiteral("/"), QStringLiteral("/"), 0, true});
  QString so;
  for (const QString& part : clean.split('/', Qt::SkipEmptyParts)) {
    so += '/' + part;
    lines.push_back({so, part, static_cast<int>(lines.size()), true});
  }
  const int depth = static_cast<int>(lines.size());
  const QDir dir(clean);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    lines.push_back({dir.filePath(name), name, depth, false});
  }
  return lines;
}

QStringList MatchingFiles(const QString& dir) {
  return QDir(dir).entryList(FilePatterns(), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

}  // namespace tesmoran
