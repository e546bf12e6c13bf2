// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file window's three lists show: the drives (on this system the
// mounted volumes), the directory tree of a path and the text files of a
// directory.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace tesmoran {

// The file patterns of the file list; a name matches in any case.
QStringList FilePatterns();

// The roots offered by the drive list: "/", the user's home and the mounted
// volumes that hold files (system volumes left out), sorted.
QStringList DriveRoots();
// The root among `roots` that holds `path`: the longest one it lies in.
QString DriveOf(const QString& path, const QStringList& roots);
// True when the root can be listed.
bool IsDriveReady(const QString& root);

// One line of the directory list.  Folder names are read by their bytes:
// a name that is not UTF-8 (from an old disk, say) is shown with each stray
// byte read as code page 1252, and opened by its bytes.
struct DirectoryLine {
  QByteArray path;    // the directory's full path as the file system holds it
  QString caption;    // its name as shown ("/" for the top)
  int depth = 0;      // indentation level
  bool open = false;  // an ancestor or the directory itself
};

// The absolute, clean form of a path given by its bytes.
QByteArray CleanDirectory(const QByteArray& path);
// A path given by its bytes as it is shown.
QString ShownPath(const QByteArray& path);

// The directory list for `path` (clean, absolute bytes): every directory
// from "/" down to `path`, then the subdirectories of `path` (without hidden
// ones), sorted by their shown names in any case.
std::vector<DirectoryLine> DirectoryLines(const QByteArray& path);

// A file of the file list: its name as shown and as the file system holds
// it.  A name that is not UTF-8 (from an old disk, say) is shown with each
// stray byte read as code page 1252, and opened by its bytes.
struct FileEntry {
  QString shown;
  QByteArray bytes;
};

// The files in `dir` that match the file patterns (hidden ones left out),
// sorted by their shown names in any case; every name counts, whatever its
// bytes.
std::vector<FileEntry> MatchingFiles(const QByteArray& dir);

}  // namespace tesmoran
