// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dragging marked text between the text fields without losing any: text
// dragged out of a field is a copy wherever it lands (within the field
// itself it moves, as in any text field), and a field can refuse text that
// comes from another one.
class QPlainTextEdit;
class QWidget;

namespace tesmoran {

// Marked text dragged out of the field leaves the field as it was.
void DragOutAsCopy(QPlainTextEdit& field);

// The field ignores text dragged out of `source`; drops from elsewhere
// (other programs, the field itself, dragged controls) are unaffected.
void RefuseTextFrom(QPlainTextEdit& field, const QWidget& source);

}  // namespace tesmoran
