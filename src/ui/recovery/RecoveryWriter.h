// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the worksheet of the running session in a recovery file, so that a
// crash, a killed process or a power cut loses at most the last moment of
// work.  A short moment after a change (kDelayMilliseconds, however much
// more is typed meanwhile) the whole worksheet is written to the file
// atomically; an empty worksheet removes the file.  When the program ends
// normally the file is removed.  When the desktop session ends, the file is
// written at once and kept, and the window closes without the exit
// question.
//
// Each running program has a file of its own: a lock next to it tells
// which files belong to a program that still runs.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QLockFile;

namespace tesmoran {

class Form1;

class RecoveryWriter : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDelayMilliseconds = 1000;

  // Takes the first free place for a recovery file in `folder`.
  RecoveryWriter(Form1& form, const QString& folder);
  ~RecoveryWriter() override;

  // The folder for the recovery files of this user.
  static QString DefaultFolder();

  // This program's recovery file; empty when no place was free.  A file
  // already there was left by a program that did not end normally.
  QString FilePath() const { return path_; }

  // From now on every change of the worksheet is written.
  void Start();
  // Writes the worksheet now.
  void WriteNow();

 private:
  void Changed();
  void Ended();
  void SessionEnding();

  Form1& form_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  QTimer delay_;
  bool reading_ = false;
  bool keepFile_ = false;
};

}  // namespace tesmoran
