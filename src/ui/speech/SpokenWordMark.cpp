// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/SpokenWordMark.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

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

void ScrollIntoView(QPlainTextEdit& field, const QTextCursor& word) {
  const QRect where = field.cursorRect(word);
  const int height = field.viewport()->height();
  if (where.top() >= 0 && where.bottom() <= height) return;
  // The bar counts lines: bring the word's line to the middle of the view.
  const int lines = (where.center().y() - height / 2) / std::max(1, where.height());
  field.verticalScrollBar()->setValue(field.verticalScrollBar()->value() + lines);
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
