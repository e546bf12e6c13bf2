#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wordlist/KnownWords.h"

namespace tesmoran {
namespace {

Text Numbered(std::size_t n) {
  const std::string s = "Wort" + std::to_string(n);
  return Text(s.begin(), s.end());
}

TEST(KnownWords, FindsEveryEntryOfAFullListAndNothingElse) {
  std::vector<Text> texts;
  for (std::size_t i = 0; i < WordList::kMaxEntries; ++i) texts.push_back(Numbered(i));
  WordList list;
  list.Assign(texts);
  const KnownWords known(list);
  for (std::size_t i = 0; i < WordList::kMaxEntries; ++i) {
    ASSERT_TRUE(known.Contains(texts[i])) << i;
  }
  for (std::size_t i = WordList::kMaxEntries; i < WordList::kMaxEntries + 1000; ++i) {
    ASSERT_FALSE(known.Contains(Numbered(i))) << i;
  }
}

}  // namespace
}  // namespace tesmoran
