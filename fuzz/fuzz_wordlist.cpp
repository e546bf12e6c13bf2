// SPDX-License-Identifier: GPL-3.0-or-later
// Building the word list: never more than 32767 entries, no word twice, the
// earlier entries untouched, and every word of the text in the list unless
// the list is full.  The list starts with a number of made-up words taken
// from the input, so that the limit is reached with short inputs too.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "FuzzInput.h"
#include "wordlist/WordListBuild.h"

namespace tesmoran::fuzz {
namespace {

// The characters a word loses; spaces separate the words.
bool IsRemoved(Char c) {
  return IsControlChar(c) || TextView(U":.!?,;´`'-\"").find(c) != TextView::npos;
}

// The words of a text as the list should hold them: split at spaces, the
// removed characters taken out, empty words left aside.
std::vector<Text> NonEmptyWords(TextView text) {
  std::vector<Text> words(1);
  for (Char c : text) {
    if (c == U' ') {
      words.emplace_back();
    } else if (!IsRemoved(c)) {
      words.back().push_back(c);
    }
  }
  std::erase_if(words, [](const Text& w) { return w.empty(); });
  return words;
}

// The made-up words at the start of the list, known to be distinct.
struct MadeUp {
  std::size_t count = 0;
  const std::unordered_set<Text>* words = nullptr;
};

void CheckAppend(WordList& list, TextView source, MadeUp madeUp) {
  const std::vector<WordEntry>& entries = list.Entries();
  const std::size_t before = entries.size();
  const std::vector<WordEntry> earlier(entries.begin() + static_cast<std::ptrdiff_t>(madeUp.count), entries.end());
  const AppendNewWordsResult result = AppendNewWords(list, source);
  Check(entries.size() <= WordList::kMaxEntries, "the list grew over its limit");
  Check(entries.size() == before + result.appended, "the count of new words is wrong");
  Check(std::equal(earlier.begin(), earlier.end(), entries.begin() + static_cast<std::ptrdiff_t>(madeUp.count)),
        "an earlier entry changed");
  std::unordered_set<Text> added;
  const auto listed = [&](const Text& w) { return added.contains(w) || madeUp.words->contains(w); };
  for (std::size_t i = madeUp.count; i < entries.size(); ++i) {
    const Text& w = entries[i].text;
    Check(!madeUp.words->contains(w) && added.insert(w).second, "a word stands twice", w);
  }
  for (std::size_t i = before; i < entries.size(); ++i) {
    for (Char c : entries[i].text) Check(c != U' ' && !IsRemoved(c), "a new word keeps a removed character");
  }
  if (result.firstLeftOut) {
    Check(entries.size() == WordList::kMaxEntries, "a word was left out of a list that is not full");
    Check(!listed(*result.firstLeftOut), "the word left out is in the list");
    return;
  }
  for (const Text& word : NonEmptyWords(source)) Check(listed(word), "a word is missing", word);
}

// A list of distinct made-up words, 100 short of full, built once; every run
// takes back what it appended.
WordList& AlmostFullList() {
  static WordList list = [] {
    WordList made;
    for (std::size_t i = 0; i + 100 < WordList::kMaxEntries; ++i) {
      const std::string name = "w" + std::to_string(i);
      made.Append(Text(name.begin(), name.end()));
    }
    return made;
  }();
  return list;
}

const std::unordered_set<Text>& AlmostFullWords() {
  static const std::unordered_set<Text> words = [] {
    const std::vector<Text> texts = AlmostFullList().Texts();
    return std::unordered_set<Text>(texts.begin(), texts.end());
  }();
  return words;
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  using namespace tesmoran::fuzz;
  FuzzInput input(data, size);
  // A quarter of the inputs start from a list close to full (with up to 60
  // made-up words more), the others from an empty one.
  const std::unordered_set<Text> none;
  const bool almostFull = input.Byte() < 64;
  WordList empty;
  WordList& list = almostFull ? AlmostFullList() : empty;
  const MadeUp madeUp = almostFull ? MadeUp{list.Count(), &AlmostFullWords()} : MadeUp{0, &none};
  for (std::size_t n = almostFull ? input.Number(60) : 0; n > 0; --n) {
    list.Append(U"v" + Text(n, U'x'));
  }
  const Text first = input.ShortText(60);
  CheckAppend(list, first, madeUp);
  CheckAppend(list, input.RestText() + U" " + first, madeUp);
  for (std::size_t i = madeUp.count; i < list.Count(); ++i) list.SetSelected(i, true);
  list.RemoveSelected();
  return 0;
}
