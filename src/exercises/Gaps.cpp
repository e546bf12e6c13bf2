// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Gaps.h"

#include <bitset>
#include <unordered_set>

#include "exercises/CharacterSets.h"
#include "exercises/GapMarks.h"
#include "exercises/TransformWords.h"

namespace tesmoran {

Text GapEveryOtherWord(TextView text, bool fromSecondWord) {
  Text out;
  out.reserve(text.size() * 2);
  bool keep = fromSecondWord;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsWordDelimiter(text[i])) {
      out.push_back(text[i]);
      keep = !keep;
      if (++i == text.size()) break;
    }
    if (keep) {
      out.push_back(text[i]);
    } else {
      out.append(kDoubleGapMark);
    }
  }
  return out;
}

void AppendGapEveryOtherLetter(TextView word, bool fromSecondLetter, Text& out) {
  std::size_t first = 0;
  if (fromSecondLetter && !word.empty()) {
    out.push_back(word[0]);
    first = 1;
  }
  for (std::size_t j = first; j < word.size(); ++j) {
    out.push_back((j - first) % 2 == 0 ? kGapMark : word[j]);
  }
}

Text GapEveryOtherLetter(TextView word, bool fromSecondLetter) {
  return BuildText(word.size(), [&](Text& out) { AppendGapEveryOtherLetter(word, fromSecondLetter, out); });
}

Text GapEveryOtherLetterInWords(TextView text, bool fromSecondLetter) {
  return TransformWordsWith(text, text.size(), [fromSecondLetter](TextView word, Text& out) {
    AppendGapEveryOtherLetter(word, fromSecondLetter, out);
  });
}

void AppendFrameWord(TextView word, Text& out) {
  if (word.size() <= 2) {
    out.append(word);
    return;
  }
  out.push_back(word.front());
  out.append(word.size() - 2, kGapMark);
  out.push_back(word.back());
}

Text FrameWord(TextView word) {
  return BuildText(word.size(), [word](Text& out) { AppendFrameWord(word, out); });
}

Text FrameWords(TextView text) { return TransformWordsWith(text, text.size(), AppendFrameWord); }

Text GapChosenLetters(TextView text, TextView chosen) {
  // Chosen characters below 256 are looked up in a table, any other chosen
  // character in a hash set: one look-up per character of the text, however
  // many characters are chosen.
  std::bitset<256> chosenByte;
  std::unordered_set<Char> others;
  for (Char c : chosen) {
    if (c < 256) {
      chosenByte.set(c);
    } else {
      others.insert(c);
    }
  }
  Text out(text);
  for (Char& c : out) {
    const bool hit = c < 256 ? chosenByte.test(c) : others.contains(c);
    if (hit) c = kGapMark;
  }
  return out;
}

}  // namespace tesmoran
