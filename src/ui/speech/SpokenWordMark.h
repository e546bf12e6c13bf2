// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word being spoken, marked in its text field: a coloured background
// laid over the text, which leaves the text, the cursor, the user's own
// selection and the undo history as they are.  The field scrolls so that
// the word is in view.
#include <optional>
#include <utility>

class QPlainTextEdit;

namespace tesmoran {

void MarkSpokenWord(QPlainTextEdit& field, int from, int to);
void ClearSpokenWord(QPlainTextEdit& field);
// The field range marked now, if any.
std::optional<std::pair<int, int>> SpokenWordIn(const QPlainTextEdit& field);

}  // namespace tesmoran
