// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building the word list from the original text (icon Bild8).
#include <cstddef>
#include <optional>

#include "platform/UiServices.h"
#include "worksheet/WordList.h"
#include "worksheet/Worksheet.h"
#include "text/Text.h"

namespace tesmoran {

struct AppendNewWordsResult {
  std::size_t appended = 0;            // words new to the list
  std::optional<Text> firstLeftOut;    // set when the list was full
};

// Appends every word of `source` that the list does not hold yet, in the
// order of first occurrence.  Words compare character for character.  When
// the list reaches its limit, appending stops at the first new word that no
// longer fits.
AppendNewWordsResult AppendNewWords(WordList& list, TextView source);

// The count message: " 3 neue Wörter gefunden!".
Text NewWordsMessage(std::size_t count);
// The message after a build that filled the list.
Text ListFullMessage(const Text& firstLeftOut);

inline constexpr TextView kNoTextMessage = U"Es ist keine Text vorhanden!";
inline constexpr TextView kBuildTitle = U"Liste erstellen";
inline constexpr TextView kWordListTitle = U"Wörterliste";

// Click of Bild8: collects the words of the marked part (or of the whole
// original text), reports how many were new and rewrites the backup list.
// The original text is kept; only its marking is cleared.
void BuildWordList(Worksheet& ws, UiServices& ui);

}  // namespace tesmoran
