// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <filesystem>

#include "files/AtomicFile.h"
#include "files/PrivateFolder.h"
#include "ui/main/Form1.h"
#include "worksheet/RecoveryFormat.h"

namespace tesmoran {
namespace {

// How many programs may run at once, each with its own recovery file.
constexpr int kPlaces = 16;

bool Empty(const Worksheet& ws) {
  return ws.Text1.text.empty() && ws.Text2.empty() && ws.Liste2.Empty() && ws.Liste4.empty();
}

}  // namespace

QString RecoveryWriter::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

RecoveryWriter::RecoveryWriter(Form1& form, const QString& folder) : QObject(&form), form_(form) {
  delay_.setSingleShot(true);
  delay_.setInterval(kDelayMilliseconds);
  connect(&delay_, &QTimer::timeout, this, &RecoveryWriter::WriteNow);
  // The worksheet holds the pupil's and the teacher's texts: the folder and
  // every file in it are the user's alone.
  if (folder.isEmpty() || !MakePrivateFolder(QFile::encodeName(folder).toStdString())) return;
  for (int place = 0; place < kPlaces; ++place) {
    const QString base = QDir(folder).filePath(QStringLiteral("sitzung-%1").arg(place));
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // A lock of a program that no longer runs is taken over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) continue;
    QFile::setPermissions(base + QStringLiteral(".lock"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    lock_ = std::move(lock);
    path_ = base + QStringLiteral(".tesmoran");
    return;
  }
}

RecoveryWriter::~RecoveryWriter() = default;

void RecoveryWriter::Start() {
  if (path_.isEmpty()) return;
  const Form1Controls& c = form_.Controls();
  for (QPlainTextEdit* field : {c.Text1, c.Text2}) {
    connect(field->document(), &QTextDocument::contentsChanged, this, &RecoveryWriter::Changed);
  }
  connect(c.Liste2, &QListWidget::itemSelectionChanged, this, &RecoveryWriter::Changed);
  connect(&form_, &Form1::WorksheetChanged, this, &RecoveryWriter::Changed);
  connect(&form_, &Form1::EndRequested, this, &RecoveryWriter::Ended);
#ifndef QT_NO_SESSIONMANAGER
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::commitDataRequest, this, &RecoveryWriter::SessionEnding, Qt::DirectConnection);
  }
#endif
}

void RecoveryWriter::Changed() {
  // Reading the worksheet below runs a command, which reports a change.
  if (reading_) return;
  // The first change since the last write starts the delay; later ones
  // ride along, so that steady typing is written every moment too.
  if (!delay_.isActive()) delay_.start();
}

void RecoveryWriter::WriteNow() {
  delay_.stop();
  if (path_.isEmpty()) return;
  reading_ = true;
  form_.Run([](Worksheet&, UiServices&) {});  // takes in what the fields show
  reading_ = false;
  const Worksheet& ws = form_.Sheet();
  if (Empty(ws)) {
    QFile::remove(path_);
    return;
  }
  // A failed write keeps the last good file; the next change tries again.
  WriteFileAtomically(std::filesystem::path(QFile::encodeName(path_).toStdString()), WriteRecovery(ws),
                      FilePrivacy::kPrivate);
}

void RecoveryWriter::Ended() {
  delay_.stop();
  if (!keepFile_ && !path_.isEmpty()) QFile::remove(path_);
}

void RecoveryWriter::SessionEnding() {
  WriteNow();
  keepFile_ = true;
  form_.EndWithoutQuestion();
}

}  // namespace tesmoran
