#pragma once
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace tesmoran {
enum class SyllableKind { kReading, kLineBreak };
class Syllabifier { public: virtual ~Syllabifier() = default;
  // Ascending 0-based positions inside `text` before which a new syllable starts; words found inside `text`.
  virtual std::vector<std::size_t> Breaks(TextView text, SyllableKind kind) const = 0; };
}
