// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven buttons beside the word list.
#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"
#include "text/Text.h"
#include "wordlist/WordListBuild.h"

namespace tesmoran {

inline constexpr TextView kDeleteQuestion = U"Markierte Wörter aus der Liste löschen?\n\r";
inline constexpr TextView kDeleteTitle = U"Liste löschen";
inline constexpr TextView kCopyQuestion = U"Markierte Wörter in Ablage kopieren?\n\r";
inline constexpr TextView kCopyTitle = kWordListTitle;

// "<==" (Befehl20): appends CR LF, every selected word followed by a space,
// and CR LF to the solution text, whatever the working mode.
void AppendSelectedWords(Worksheet& ws, UiServices& ui);

// "Alle" (Befehl21) and "Keines" (Befehl24).
void SelectAllWords(Worksheet& ws, UiServices& ui);
void SelectNoWords(Worksheet& ws, UiServices& ui);

// "Löschen" (Befehl25): after Yes to its question, removes the selected
// entries.  Asks nothing when no entry is selected.
void DeleteSelectedWords(Worksheet& ws, UiServices& ui);

// "Sichern" (Befehl28): the backup list := the texts of the word list.
void SaveWordListCopy(Worksheet& ws, UiServices& ui);

// "Reset" (Befehl23): the word list := the backup list, nothing selected.
void RestoreWordListCopy(Worksheet& ws, UiServices& ui);

// "Ersetze Zwischenablage" (Befehl30): after Yes to its question, the
// clipboard receives the selected words, each followed by CR LF, and their
// selection is cleared.  Asks nothing when no entry is selected.
void CopySelectedWords(Worksheet& ws, UiServices& ui);

}  // namespace tesmoran
