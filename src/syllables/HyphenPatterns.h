// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The German hyphenation patterns, read by libhyphen.  A pattern file is
// read once per path for the whole run and shared by every engine.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

// Where the patterns are looked for when no path is given: the dictionary
// built in the build folder when the program runs from there, else the one
// installed with it (share/tesmoran beside the program's bin folder, then
// the configured install prefix).
std::string DefaultHyphenPatternPath();

// The hyphenation limits: the fewest letters before the first and after the
// last break of a word, and at the edges of the parts of a compound.
struct HyphenLimits {
  int left = 2;
  int right = 2;
  int compoundLeft = 2;
  int compoundRight = 2;
};

class HyphenPatterns {
 public:
  struct Load {
    std::shared_ptr<const HyphenPatterns> patterns;  // null when the file could not be used
    Text error;                                      // a German message naming the missing package
  };
  // Reads the pattern file at path (the default path when empty), or hands
  // back the copy read before.
  static Load Open(const std::string& path = {});

  ~HyphenPatterns();
  HyphenPatterns(const HyphenPatterns&) = delete;
  HyphenPatterns& operator=(const HyphenPatterns&) = delete;

  // Ascending break offsets inside a lower-case word that has only
  // ISO-8859-1 characters; none for other words.
  std::vector<std::size_t> Breaks(TextView lowerWord, const HyphenLimits& limits) const;

 private:
  struct Dict;
  explicit HyphenPatterns(Dict* dict, bool utf8);
  Dict* dict_;
  bool utf8_;
};

}  // namespace tesmoran
