// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving texts between a text field and the program: the field shows each
// CR LF as a line break, and every line break in the field reaches the
// program as CR LF.  Marked parts are counted in the program's characters.
#include <cstddef>

#include "text/Text.h"

class QPlainTextEdit;

namespace tesmoran {

struct FieldContent {
  Text text;
  std::size_t selStart = 0;   // 0-based, in characters of text
  std::size_t selLength = 0;  // in characters of text
};

// The field's whole text and its marked part.
FieldContent ReadField(const QPlainTextEdit& field);
// The field's whole text.
Text ReadFieldText(const QPlainTextEdit& field);

// Replaces the field's whole text as one step of the field's undo history;
// the caret goes to the end of the new text.
void ReplaceFieldText(QPlainTextEdit& field, TextView text);

// Marks length characters from start (counted as in ReadField); the caret
// stands at the end of the marked part.  Out-of-range values are clipped.
void MarkField(QPlainTextEdit& field, std::size_t start, std::size_t length);

// The field position (UTF-16 units, one per line break) of a character
// position of the text that the field shows.
int FieldPosition(TextView text, std::size_t position);

}  // namespace tesmoran
