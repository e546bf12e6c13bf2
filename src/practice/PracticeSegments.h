// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which part of the original text gave which part of an exercise's result.
// Every cut here is taken from the button's own transformation, run on the
// whole text, on single words or on single characters; none of them does an
// exercise's work itself.  Each function returns segments that cover the
// text from its start to its end, in order, and whose pieces put together
// are exactly what the transformation gives for the whole text (the result
// before the control characters are dropped).
#include <cstddef>
#include <functional>
#include <vector>

#include "text/Text.h"

namespace tesmoran {

// A whole-text transformation, as an exercise button runs it.
using ButtonTransform = std::function<Text(const Text&)>;

struct Segment {
  std::size_t from = 0;  // the original characters [from, to)
  std::size_t to = 0;
  Text out;  // what the transformation made of them
};

// Word by word through the word scan of the word exercises: every run
// between two word delimiters (empty runs too) goes through the
// transformation alone, every delimiter is a segment of its own.  Right for
// the exercises that treat each word by itself and for those that treat each
// character by itself.
std::vector<Segment> WordSegments(TextView text, const ButtonTransform& transform);

// Character by character, each one run with the character before it, whose
// own result is then cut off: right for the exercises that decide about a
// character by that character and the one before it.
std::vector<Segment> CharacterSegments(TextView text, const ButtonTransform& transform);

// Character by character for an exercise that writes every character either
// as it is or as the word gap "__": the gaps are read from the result for
// the text with its own underscores replaced, so that every underscore there
// is one the exercise wrote.
std::vector<Segment> GapMarkSegments(TextView text, const ButtonTransform& transform);

// Character by character for an exercise that only takes characters out:
// the result is matched against the text from the left.
std::vector<Segment> RemovalSegments(TextView text, const ButtonTransform& transform);

// Where the sentence exercises cut the text: the ends (exclusive) of the
// sentences, the last one being the text's size.  Read from the result of
// the exercise that writes every sentence backwards.
std::vector<std::size_t> SentenceCuts(TextView text, const ButtonTransform& everySentenceBackwards);

// Sentence by sentence at the given ends; a sentence after the first one is
// run behind a sentence of its own so that it starts as it does inside the
// text.
std::vector<Segment> SentenceSegments(TextView text, const std::vector<std::size_t>& ends,
                                      const ButtonTransform& transform);

// The pieces of the segments put together.
Text JoinedOutput(const std::vector<Segment>& segments);

}  // namespace tesmoran
