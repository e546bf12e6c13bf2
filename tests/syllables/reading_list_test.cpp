// The engine's reading syllables against a list of common primary-school
// words, one test per rule the words exercise.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "syllables/HyphenateText.h"
#include "syllables/PatternSyllabifier.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

struct ListedWord {
  Text syllables;          // the word with its reading syllables joined by hyphens
  bool knownMiss = false;  // marked with ! : the engine still splits it differently
};

// The list by group, read from its UTF-8 file.
const std::map<std::string, std::vector<ListedWord>>& WordList() {
  static const auto list = [] {
    std::map<std::string, std::vector<ListedWord>> groups;
    std::ifstream in(TESMORAN_READING_SYLLABLES_LIST, std::ios::binary);
    std::string line, group;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      if (line[0] == '[') {
        group = line.substr(1, line.find(']') - 1);
        continue;
      }
      const bool miss = line[0] == '!';
      groups[group].push_back({DecodeUtf8(miss ? line.substr(1) : line).value_or(Text()), miss});
    }
    return groups;
  }();
  return list;
}

Text WithoutHyphens(TextView syllables) {
  Text word;
  for (Char c : syllables) {
    if (c != U'-') word.push_back(c);
  }
  return word;
}

const Syllabifier& Engine() {
  static const SyllabifierLoad load = LoadSyllabifier();
  if (load.syllabifier == nullptr) throw std::runtime_error(EncodeUtf8(load.error));
  return *load.syllabifier;
}

class ReadingSyllableList : public ::testing::TestWithParam<std::string> {};

TEST_P(ReadingSyllableList, EveryWordOfTheGroupButTheKnownMissesIsSplitAsListed) {
  const auto it = WordList().find(GetParam());
  ASSERT_NE(it, WordList().end()) << "group missing from the list file";
  ASSERT_GE(it->second.size(), 10u);
  for (const ListedWord& w : it->second) {
    SCOPED_TRACE(EncodeUtf8(w.syllables));
    const Text got = HyphenateText(WithoutHyphens(w.syllables), Engine());
    if (w.knownMiss) {
      EXPECT_NE(got, w.syllables) << "now split right: drop its ! in the list and the README";
    } else {
      EXPECT_EQ(EncodeUtf8(got), EncodeUtf8(w.syllables));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ByRule, ReadingSyllableList,
                         ::testing::Values("edge_vowels", "hiatus", "diphthongs_long_vowels", "consonant_units",
                                           "double_consonants", "compounds", "joints", "prefixes", "loanwords",
                                           "one_syllable", "general"),
                         [](const auto& info) { return info.param; });

TEST(ReadingSyllableListSize, HasAtLeast200WordsOfWhichAtMostOnePercentAreKnownMisses) {
  std::size_t words = 0, misses = 0;
  for (const auto& [group, list] : WordList()) {
    for (const ListedWord& w : list) {
      ++words;
      if (w.knownMiss) ++misses;
    }
  }
  EXPECT_GE(words, 200u);
  EXPECT_LE(misses * 100, words);
}

}  // namespace
}  // namespace tesmoran
