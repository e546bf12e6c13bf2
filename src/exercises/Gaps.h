// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gap exercises: words or letters replaced by underscores.  A gap mark is
// written for every character it hides, whatever the character is (letter,
// digit, hyphen, CR, LF), so the length of a gap shows what is missing.
#include "text/Text.h"

namespace tesmoran {

// "Lückentext": words alternately shown and blanked out, "__" per blanked
// character.  fromSecondWord: the first word stays visible.  A delimiter
// switches between shown and blanked; the character right after it is taken
// as the first character of the next word without being examined, so ", "
// counts as one word boundary.
Text GapEveryOtherWord(TextView text, bool fromSecondWord);

// "Lücken-Wörter" for one word: every other character becomes "_".  With
// fromSecondLetter the first character stays and the gaps start at the
// second one, otherwise they start at the first one.
Text GapEveryOtherLetter(TextView word, bool fromSecondLetter);
void AppendGapEveryOtherLetter(TextView word, bool fromSecondLetter, Text& out);
// "Lücken-Wörter" for a text: every word through GapEveryOtherLetter.
Text GapEveryOtherLetterInWords(TextView text, bool fromSecondLetter);

// "Wortrahmen" for one word: only the first and the last character stay,
// every character between them becomes "_".
Text FrameWord(TextView word);
void AppendFrameWord(TextView word, Text& out);
// "Wortrahmen" for a text: every word through FrameWord.
Text FrameWords(TextView text);

// "Buchstaben": every character that occurs in chosen becomes "_".
Text GapChosenLetters(TextView text, TextView chosen);

}  // namespace tesmoran
