// SPDX-License-Identifier: GPL-3.0-or-later
// When replacing everywhere is one pass from left to right: tesmoran-cli
// then replaces long texts as it reads them.
#include <gtest/gtest.h>

#include <vector>

#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

// Every text of up to `length` characters from «a» and «b».
std::vector<Text> AllTexts(std::size_t length) {
  std::vector<Text> texts = {Text()};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].size() < length) {
      texts.push_back(texts[i] + U"a");
      texts.push_back(texts[i] + U"b");
    }
  }
  return texts;
}

TEST(ReplacesInOnePass, NamesOnlyPairsWhoseRescanChangesNothing) {
  // Every search text and replacement of up to three characters, on every
  // text of up to eight: where the answer is yes, rescanning finds nothing
  // new; where it is no, some text shows the difference.
  const std::vector<Text> pieces = AllTexts(3);
  const std::vector<Text> texts = AllTexts(8);
  std::size_t yes = 0;
  for (const Text& search : pieces) {
    for (const Text& replacement : pieces) {
      const bool onePass = ReplacesInOnePass(search, replacement);
      bool differs = false;
      for (const Text& text : texts) {
        differs =
            differs || ReplaceEverywhere(text, search, replacement) != ReplaceOnceThrough(text, search, replacement);
      }
      SCOPED_TRACE(testing::Message() << "search " << search.size() << " characters, replacement "
                                      << replacement.size());
      if (onePass) {
        ++yes;
        EXPECT_FALSE(differs);
      }
    }
  }
  EXPECT_GT(yes, 0u);
}

TEST(ReplacesInOnePass, AnswersForTheKindsOfOverlap) {
  const struct {
    const char* name;
    Text search, replacement;
    bool onePass;
  } cases[] = {
      {"unrelated words", U"Hund", U"Kater", true},
      {"replacement holds the search text", U"Hund", U"Hunde", true},
      {"empty search text", U"", U"x", true},
      {"replacement ends with the search text's start", U"ab", U"ba", false},
      {"replacement starts with the search text's end", U"ab", U"bx", false},
      {"search text holds the replacement", U"abc", U"b", false},
      {"empty replacement", U"ab", U"", false},
      {"shared letters in the middle only", U"Hund", U"Mundart", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReplacesInOnePass(c.search, c.replacement), c.onePass);
  }
}

}  // namespace
}  // namespace tesmoran
