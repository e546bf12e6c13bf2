// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What is read aloud from a text field: its marked part, or all of it when
// nothing is marked, as the speech engine's text, with the field position
// of every character, so that a spoken word can be found again in the field.
#include <utility>
#include <vector>

#include "text/Text.h"

class QPlainTextEdit;

namespace tesmoran {

struct SpokenPart {
  Text text;  // one character per code point, exactly as the field has it
  // The field position (in the field's own units) of every character of
  // `text`, and one more for its end.
  std::vector<int> fieldPosition;

  // Whether there is anything to say: more than spaces and line breaks.
  bool HasWords() const;

  // The field range [from, to) of the characters [position, position + length).
  std::pair<int, int> FieldRange(std::size_t position, std::size_t length) const;
};

SpokenPart PartToSpeak(const QPlainTextEdit& field);

}  // namespace tesmoran
