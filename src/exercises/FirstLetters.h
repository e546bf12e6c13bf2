// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// First-letter exercises.  They walk the text character by character and
// decide from the character before each one whether it starts a word:
// after a space it does, after any other printable character it is inside
// the word, and after a control character (CR, LF, tab) it produces nothing.
// The first character of the text always starts a word.  A delimiter after
// the first position is always copied.
#include "text/Text.h"

namespace tesmoran {

// The choice between the two forms of a letter: "(", capital, small, ")",
// e.g. «(Hh)»; a character without another form is written twice, «(33)».
Text CaseChoice(Char c);

// "Nur Erstletter": the first character of every word stays, every other
// character of the word becomes "__".
Text KeepFirstLetters(TextView text);
// The word-list form: the first character, then "_" per further character.
Text KeepFirstLettersOfEntry(TextView entry);

// "Ohne Erstletter": the first character of every word becomes "_", or its
// CaseChoice when offerChoice is set; an empty text gives that mark alone.
Text HideFirstLetters(TextView text, bool offerChoice);
// The word-list form: the mark of the first character, then the rest.
Text HideFirstLettersOfEntry(TextView entry, bool offerChoice);

}  // namespace tesmoran
