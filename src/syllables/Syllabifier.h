// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the syllables of a text begin.  An engine finds the words inside a
// whole text and answers with the positions at which a hyphen would go;
// everything that is not part of a word (punctuation, digits, spaces, line
// breaks) never moves.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

enum class SyllableKind {
  kReading,   // Sprechsilben: the syllables a beginning reader speaks (O-ma, A-bend); the default
  kLineBreak  // Schreibsilben: where a line may be broken (Oma, Abend stay whole)
};

class Syllabifier {
 public:
  virtual ~Syllabifier() = default;
  // Ascending 0-based character positions inside `text` before which a new syllable starts (a hyphen would go
  // there). `text` may be a whole text: words are found inside it; punctuation, digits, spaces never move.
  virtual std::vector<std::size_t> Breaks(TextView text, SyllableKind kind) const = 0;
};

}  // namespace tesmoran
