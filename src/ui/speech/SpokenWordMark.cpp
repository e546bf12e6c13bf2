// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/SpokenWordMark.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace tesmoran {
namespace {

// A warm yellow, like a highlighter pen, under the black of the text.
const QColor kSpokenWordPaper(255, 226, 102);
// Tells the spoken word's mark from any other extra selection of the field.
constexpr int kSpokenWordProperty = QTextFormat::UserProperty + 23;

bool IsSpokenWordMark(const QTextEdit::ExtraSelection& selection) {
  return selection.format.hasProperty(kSpokenWordProperty);
}

QList<QTextEdit::ExtraSelection> WithoutMark(const QPlainTextEdit& field) {
  QList<QTextEdit::ExtraSelection> others = field.extraSelections();
  others.removeIf(IsSpokenWordMark);
  return others;
}

// The field's scroll bar counts lines: the word's line is brought to the
// middle when it is outside the lines in view.  Blocks far down may not be
// laid out yet, so the line is counted from the block's first line.
void ScrollIntoView(QPlainTextEdit& field, const QTextCursor& word) {
  const QTextBlock block = word.block();
  int line = block.firstLineNumber();
  if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
    const QTextLine within = layout->lineForTextPosition(word.position() - block.position());
    if (within.isValid()) line += within.lineNumber();
  }
  QScrollBar& bar = *field.verticalScrollBar();
  if (line >= bar.value() && line < bar.value() + bar.pageStep()) return;
  bar.setValue(line - bar.pageStep() / 2);
}

}  // namespace

void MarkSpokenWord(QPlainTextEdit& field, int from, int to) {
  QTextEdit::ExtraSelection mark;
  mark.cursor = QTextCursor(field.document());
  mark.cursor.setPosition(from);
  mark.cursor.setPosition(to, QTextCursor::KeepAnchor);
  mark.format.setBackground(kSpokenWordPaper);
  mark.format.setProperty(kSpokenWordProperty, true);
  QList<QTextEdit::ExtraSelection> selections = WithoutMark(field);
  selections.append(mark);
  field.setExtraSelections(selections);
  ScrollIntoView(field, mark.cursor);
}

void ClearSpokenWord(QPlainTextEdit& field) { field.setExtraSelections(WithoutMark(field)); }

std::optional<std::pair<int, int>> SpokenWordIn(const QPlainTextEdit& field) {
  for (const QTextEdit::ExtraSelection& selection : field.extraSelections()) {
    if (IsSpokenWordMark(selection))
      return std::make_pair(selection.cursor.selectionStart(), selection.cursor.selectionEnd());
  }
  return std::nullopt;
}

}  // namespace tesmoran
