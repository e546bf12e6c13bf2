// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Case and reversal exercises: capitals only, small letters only, the text
// backwards, the word order reversed, every word backwards, the word order
// reversed per sentence, every sentence backwards, spaces taken out.
// Line breaks, tabs and other control characters are ordinary characters
// here; the delivery removes them afterwards.
#include "text/Text.h"

namespace tesmoran {

// "Großletter": every small letter becomes its capital; ß stays ß.
Text UpperCaseText(TextView text);
// "Kleinletter": every capital becomes its small letter.
Text LowerCaseText(TextView text);
// "Rückwärtstext": the characters in reverse order.
Text ReverseText(TextView text);

// The same words in reverse order, each preceded by one space; a
// punctuation mark that ends its word is moved in front of that word's
// space.  A mark with characters of its own word behind it («z.B.») stays
// inside the word, and a mark right before a moved mark stays with its word:
// «Der Hund bellt.» -> «. bellt Hund Der», «Was?!» -> «! Was?».
Text ReverseWordOrder(TextView sentenceText);
void AppendReverseWordOrder(TextView sentenceText, Text& out);

// "Umkehrtext": the word order of the whole text reversed, as
// ReverseWordOrder gives it; built in the given text's own storage.
Text ReverseTextWordOrder(Text text);
// "Umkehrwort": every word backwards, the delimiters in their places.
Text ReverseEachWord(TextView text);
// "Umkehrsatz": the word order reversed within each sentence.
Text ReverseSentenceWordOrder(TextView text);
// "Rückwärtssatz": every sentence backwards, the sentences in their order.
Text ReverseEachSentence(TextView text);
// "Bandwurmtext": the spaces taken out; of two spaces in a row the second
// one stays, and a space at the very end goes.
Text JoinWords(TextView text);

}  // namespace tesmoran
