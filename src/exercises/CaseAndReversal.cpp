// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/CaseAndReversal.h"

#include <algorithm>
#include <cstddef>

#include "exercises/CharacterSets.h"
#include "exercises/TransformWords.h"
#include "text/CaseMap.h"

namespace tesmoran {
namespace {

void AppendReversed(TextView text, Text& out) { out.append(text.rbegin(), text.rend()); }

// Cuts the text into sentences, each ending with its end mark.  The
// character right after an end mark is not looked at: it opens the next
// sentence even when it is an end mark itself.  The rest after the last end
// mark is one more sentence.
template <class AppendSentence>
Text TransformSentences(TextView text, AppendSentence appendSentence) {
  Text out;
  out.reserve(text.size() + text.size() / 8 + 1);
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsSentenceEnd(text[i])) {
      appendSentence(text.substr(start, i + 1 - start), out);
      start = i + 1;
      i += 2;
    } else {
      ++i;
    }
  }
  if (start < text.size()) appendSentence(text.substr(start), out);
  return out;
}

}  // namespace

Text UpperCaseText(TextView text) { return ToUpper(text); }

Text LowerCaseText(TextView text) { return ToLower(text); }

Text ReverseText(TextView text) { return Text(text.rbegin(), text.rend()); }

void AppendReverseWordOrder(TextView sentenceText, Text& out) {
  // The walk runs over X = " " + sentenceText from the end; index 0 of X is
  // the space in front, which makes sure that the first word is emitted.
  // end is one past the last character of the word not yet emitted.
  auto at = [sentenceText](std::size_t x) { return x == 0 ? kSpace : sentenceText[x - 1]; };
  auto appendRange = [&](std::size_t from, std::size_t to) {  // X[from, to)
    if (from == 0) {
      out.push_back(kSpace);
      ++from;
    }
    if (to > from) out.append(sentenceText.substr(from - 1, to - from));
  };
  std::size_t end = sentenceText.size() + 1;
  std::size_t p = end;
  while (p > 0) {
    --p;
    // A mark is moved only when nothing of its word follows it; the
    // character before a moved mark is only checked for being a space.
    if (IsPunctuationMark(at(p)) && p + 1 == end) {
      out.push_back(at(p));
      end = p;
      --p;  // p >= 1 here: X starts with a space, never with a mark
    }
    if (at(p) == kSpace) {
      appendRange(p, end);
      end = p;
    }
  }
}

Text ReverseWordOrder(TextView sentenceText) {
  return BuildText(sentenceText.size() + 1,
                   [sentenceText](Text& out) { AppendReverseWordOrder(sentenceText, out); });
}

Text ReverseTextWordOrder(Text text) {
  // The walk of AppendReverseWordOrder cuts X = " " + text into pieces (a
  // moved mark, or a space with the rest of its word) and emits them from
  // the last to the first, each in its own order.  So X backwards, with
  // every piece turned round again, is the result: the walk from the end of
  // X is a walk from the start of X backwards, and the text is never held
  // twice.  With room behind the text the space goes in without moving it
  // elsewhere.
  text.insert(text.begin(), kSpace);
  std::reverse(text.begin(), text.end());
  // start is the first character of the piece not yet complete.
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsPunctuationMark(text[i]) && i == start) {
      start = i + 1;
      ++i;  // i < size here: X starts with a space, never with a mark
    }
    if (text[i] == kSpace) {
      std::reverse(text.begin() + static_cast<std::ptrdiff_t>(start),
                   text.begin() + static_cast<std::ptrdiff_t>(i + 1));
      start = i + 1;
    }
  }
  return text;
}

Text ReverseEachWord(TextView text) { return TransformWordsWith(text, text.size(), AppendReversed); }

Text ReverseSentenceWordOrder(TextView text) {
  return TransformSentences(text, AppendReverseWordOrder);
}

Text ReverseEachSentence(TextView text) { return TransformSentences(text, AppendReversed); }

Text JoinWords(TextView text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kSpace) ++i;  // the character after a space is taken unexamined
    if (i < text.size()) out.push_back(text[i]);
  }
  return out;
}

}  // namespace tesmoran
