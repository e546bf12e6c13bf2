// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/syllables/SyllableExceptionsEditor.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "files/AtomicFile.h"
#include "files/LimitedRead.h"
#include "files/PrivateFolder.h"
#include "platform/qt/QtText.h"

namespace tesmoran {
namespace {

const QString kStarter = QStringLiteral(
    "# Eigene Silbentrennungen: ein Wort je Zeile, die Silben mit Bindestrich getrennt.\n"
    "# Zeilen mit # am Anfang sind Bemerkungen.\n"
    "# Beispiel:\n"
    "# Ü-bung\n");

}  // namespace

QString SyllableExceptionsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/silben-ausnahmen.txt");
}

SyllableExceptionsEditor::SyllableExceptionsEditor(QString path, UiServices& ui, QWidget* parent)
    : QDialog(parent), path_(std::move(path)), ui_(ui) {
  setWindowTitle(QStringLiteral("Silben-Ausnahmen"));
  auto* column = new QVBoxLayout(this);
  auto* hint = new QLabel(QStringLiteral("Ein Wort je Zeile mit seinen Silben, z. B. „Ü-bung“."));
  column->addWidget(hint);
  editor_ = new QPlainTextEdit;
  editor_->setObjectName(QStringLiteral("ausnahmenliste"));
  const LimitedRead read = ReadRegularFile(QFile::encodeName(path_).toStdString());
  if (read.ok()) {
    editor_->setPlainText(QString::fromUtf8(read.bytes.data(), qsizetype(read.bytes.size())));
  } else if (read.failure == ReadFailure::kMissing) {
    editor_->setPlainText(kStarter);
  } else {
    // Saving would replace a list that could not be shown: nothing may be
    // saved over it.
    unreadable_ = U"Die Silben-Ausnahmen „" + FromQString(path_) + U"“ " + ReadFailurePredicate(read.failure) +
                  U" und können hier nicht bearbeitet werden.";
    editor_->setReadOnly(true);
  }
  column->addWidget(editor_);
  auto* buttons = new QDialogButtonBox;
  auto* save = buttons->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
  save->setObjectName(QStringLiteral("speichern"));
  auto* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("abbrechen"));
  column->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Save()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(420, 360);
}

bool SyllableExceptionsEditor::Save() {
  if (!unreadable_.empty()) {
    ui_.MessageBox(unreadable_, style::kOkStop, U"Silben-Ausnahmen");
    return false;
  }
  MakePrivateFolder(QFile::encodeName(QFileInfo(path_).absolutePath()).toStdString());
  const QByteArray bytes = editor_->toPlainText().toUtf8();
  const WriteResult r =
      WriteFileAtomically(QFile::encodeName(path_).toStdString(),
                          std::string_view(bytes.constData(), std::size_t(bytes.size())), FilePrivacy::kPrivate);
  if (!r.ok) {
    ui_.MessageBox(U"Die Silben-Ausnahmen konnten nicht gespeichert werden." + Text(kCrLf) + r.reason, style::kOkStop,
                   U"Silben-Ausnahmen");
  }
  return r.ok;
}

}  // namespace tesmoran
