// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/TextFieldBinding.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/QtText.h"

namespace tesmoran {

namespace {

// The field's characters exactly as stored: unlike toPlainText, a
// non-breaking space stays what it is.
QString RawFieldText(const QPlainTextEdit& field) { return field.document()->toRawText(); }

}  // namespace

FieldContent ReadField(const QPlainTextEdit& field) {
  const QString raw = RawFieldText(field);
  const QTextCursor cursor = field.textCursor();
  const qsizetype start = std::min<qsizetype>(cursor.selectionStart(), raw.size());
  const qsizetype end = std::min<qsizetype>(cursor.selectionEnd(), raw.size());
  // Each part is converted on its own, so that the marking counts exactly
  // the characters that the converted text holds before and inside it.
  FieldContent content;
  content.text = FromField(QStringView(raw).first(start).toString());
  content.selStart = content.text.size();
  if (end > start) {
    content.text += FromField(QStringView(raw).sliced(start, end - start).toString());
  }
  content.selLength = content.text.size() - content.selStart;
  if (end < raw.size()) content.text += FromField(QStringView(raw).sliced(end).toString());
  return content;
}

Text ReadFieldText(const QPlainTextEdit& field) { return FromField(RawFieldText(field)); }

void ReplaceFieldText(QPlainTextEdit& field, TextView text) {
  QTextCursor cursor(field.document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  if (text.empty()) {
    cursor.removeSelectedText();
  } else {
    cursor.insertText(ToField(text));
  }
  cursor.endEditBlock();
  field.setTextCursor(cursor);
}

int FieldPosition(TextView text, std::size_t position) {
  position = std::min(position, text.size());
  int units = 0;
  for (std::size_t i = 0; i < position; ++i) {
    if (text[i] == kCR && i + 1 < text.size() && text[i + 1] == kLF) {
      ++i;  // CR LF is one line break of the field
      ++units;
    } else {
      units += text[i] > 0xFFFF ? 2 : 1;
    }
  }
  return units;
}

void MarkField(QPlainTextEdit& field, std::size_t start, std::size_t length) {
  const Text text = ReadFieldText(field);
  const int last = field.document()->characterCount() - 1;
  const int from = std::min(FieldPosition(text, start), last);
  const int to = std::min(FieldPosition(text, start + length), last);
  QTextCursor cursor(field.document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  field.setTextCursor(cursor);
}

}  // namespace tesmoran
