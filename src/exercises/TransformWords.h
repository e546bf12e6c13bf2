// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word scan of the word exercises: every delimiter is copied to its
// place, every run of characters between delimiters (also before the first
// and after the last one, and also when it is empty) is replaced by a word
// transformation.  A line break belongs to the word that follows it.
#include <functional>

#include "exercises/CharacterSets.h"
#include "text/Text.h"

namespace tesmoran {

// A word transformation appends the replacement of one word to out.
using WordTransform = std::function<void(TextView word, Text& out)>;

// Appends the scanned text to out; appendWord(word, out) is called once per
// word, empty words included.
template <class AppendWord>
void AppendTransformedWords(TextView text, AppendWord&& appendWord, Text& out) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsWordDelimiter(text[i])) {
      appendWord(text.substr(start, i - start), out);
      out.push_back(text[i]);
      start = i + 1;
    }
  }
  appendWord(text.substr(start), out);
}

// The same scan for a word transformation that keeps the length of every
// word: transformWord(first, length) rewrites each word where it stands.
template <class TransformWord>
void TransformWordsInPlace(Text& text, TransformWord&& transformWord) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsWordDelimiter(text[i])) {
      transformWord(text.data() + start, i - start);
      start = i + 1;
    }
  }
  transformWord(text.data() + start, text.size() - start);
}

// A fresh text with room for capacity characters, filled by append(out).
template <class Append>
Text BuildText(std::size_t capacity, Append&& append) {
  Text out;
  out.reserve(capacity);
  append(out);
  return out;
}

// The scanned text as a fresh text with room for capacity characters.
template <class AppendWord>
Text TransformWordsWith(TextView text, std::size_t capacity, AppendWord&& appendWord) {
  return BuildText(capacity, [&](Text& out) { AppendTransformedWords(text, appendWord, out); });
}

Text TransformWords(TextView text, const WordTransform& transform);

}  // namespace tesmoran
