// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own syllables: a plain text with one word per line, written
// with its hyphens («Ü-bung»).  A line starting with # is a comment; blank
// lines are ignored.  An entry holds for the word in every case form.
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

// The lines of an exception list as Parse numbers them (line n is index
// n - 1; CR LF, CR and LF end a line), without their surrounding blanks.
std::vector<TextView> ExceptionLines(TextView fileText);

class SyllableExceptions {
 public:
  // Reads every well-formed line; the others are skipped and their line
  // numbers (1-based) kept for one report.  A later entry for the same word
  // replaces an earlier one.
  static SyllableExceptions Parse(TextView fileText);

  // The breaks of a lower-case word when the list has it.
  std::optional<std::vector<std::size_t>> Find(TextView lowerWord) const;

  std::size_t size() const { return entries_.size(); }
  const std::vector<std::size_t>& MalformedLines() const { return malformedLines_; }
  // One German message about all skipped lines; empty when there were none.
  Text MalformedReport() const;

 private:
  std::unordered_map<Text, std::vector<std::size_t>> entries_;
  std::vector<std::size_t> malformedLines_;
};

}  // namespace tesmoran
