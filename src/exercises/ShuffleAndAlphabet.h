// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Word-shuffle and alphabet exercises: the characters of every word tumbled,
// sorted into the order of the alphabet, or turned into their numbers in
// the alphabet.  The text forms run every word through TransformWords; the
// word-list forms treat a whole entry as one word.
#include <functional>

#include "text/Text.h"

namespace tesmoran {

// A source of numbers 0 <= r < 1.
using RandomDraw = std::function<double()>;

// "Purzel-Wörter" for one word: the characters drawn one by one, without
// replacement, at the position Int(r * rest length) of the rest.  A word of
// n characters uses n draws; the empty word uses one draw and stays empty.
Text ShuffleWord(TextView word, const RandomDraw& draw);
// The same with the run's random source.
Text ShuffleWord(TextView word);
// The text form, built in the given text's own storage.
Text ShuffleWords(Text text);

// "ABC-Wörter" for one word: the characters in AlphabetOrder; characters
// that are not in it (digits, hyphen, «é», CR, LF) are dropped.
Text SortWordByAlphabet(TextView word);
Text SortWordsByAlphabet(TextView text);

// "ABC-Nr-Wörter" for one word: per character its number in LetterTable
// (umlauts folded to A, O, U, «ß» to S, small letters upper-cased; 0 for a
// character that is not there), joined by "+".
Text NumberWordLetters(TextView word);
Text NumberWordsLetters(TextView text);

}  // namespace tesmoran
