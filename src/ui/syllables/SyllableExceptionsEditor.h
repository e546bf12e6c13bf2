// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the user's list of syllable exceptions: a plain text file, one
// word per line written with its hyphens, in the program's data folder.
#include <QDialog>

#include "platform/UiServices.h"
#include "text/Text.h"

class QPlainTextEdit;

namespace tesmoran {

// Where the list lives.
QString SyllableExceptionsPath();

class SyllableExceptionsEditor : public QDialog {
  Q_OBJECT
 public:
  // Loads the file at `path`; a missing file starts the list with a short
  // explanation.
  SyllableExceptionsEditor(QString path, UiServices& ui, QWidget* parent = nullptr);

  // Writes the list as a whole; a failure is reported and the dialog stays
  // open with everything typed.  True when written.
  bool Save();

  // Why the list could not be loaded for editing; empty when it could (or
  // did not exist yet).
  const Text& Unreadable() const { return unreadable_; }

 private:
  QString path_;
  UiServices& ui_;
  QPlainTextEdit* editor_ = nullptr;
  Text unreadable_;
};

}  // namespace tesmoran
