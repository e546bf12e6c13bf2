// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text file named when the program starts ("tesmoran FILE") is loaded into
// the original text as the file window's "Laden" loads it: the same reading,
// the same question for long files, the same limit and the same messages.
#include <QString>
#include <QStringList>

namespace tesmoran {

class Form1;

// The file named among the program's arguments (the first one that is no
// option; everything after "--" counts as a name); empty when none is.
QString StartFileArgument(const QStringList& arguments);

// Loads `file` into the original text of `form` as one undo step.  A file
// that cannot be loaded is reported and leaves the original text as it was.
void LoadStartFile(Form1& form, const QString& file);

}  // namespace tesmoran
