// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/SpokenPart.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

namespace tesmoran {

bool SpokenPart::HasWords() const {
  return std::any_of(text.begin(), text.end(), [](Char c) { return c > U' ' && c != U'\u00A0'; });
}

std::pair<int, int> SpokenPart::FieldRange(std::size_t position, std::size_t length) const {
  const std::size_t last = fieldPosition.size() - 1;
  const std::size_t from = std::min(position, last);
  const std::size_t to = std::min(position + length, last);
  return {fieldPosition[from], fieldPosition[to]};
}

SpokenPart PartToSpeak(const QPlainTextEdit& field) {
  const QTextCursor cursor = field.textCursor();
  const QString all = field.toPlainText();
  int from = 0, to = static_cast<int>(all.size());
  if (cursor.hasSelection()) {
    from = cursor.selectionStart();
    to = cursor.selectionEnd();
  }
  // The field's plain text counts a line break as one character, as the
  // field's positions do; a letter outside the Basic Multilingual Plane is
  // two there and one for the engine.
  SpokenPart part;
  for (int i = from; i < to; ++i) {
    part.fieldPosition.push_back(i);
    const QChar c = all[i];
    if (c.isHighSurrogate() && i + 1 < to && all[i + 1].isLowSurrogate()) {
      part.text.push_back(static_cast<Char>(QChar::surrogateToUcs4(c, all[i + 1])));
      ++i;
    } else {
      part.text.push_back(static_cast<Char>(c.unicode()));
    }
  }
  part.fieldPosition.push_back(to);
  return part;
}

}  // namespace tesmoran
