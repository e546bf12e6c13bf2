// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's own commands on the worksheet: the clipboard, copying
// one text field into the other, clearing, the dropped original text, the
// working modes and the exit question.  Each works on whole texts and
// never looks at the caret.
#include <vector>

#include "Version.h"
#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"
#include "text/Text.h"

namespace tesmoran {

// The names of the working modes, index = mode.
const std::vector<Text>& WorkingModeNames();
// The window caption of a working mode.
Text WindowCaption(int mode);

// The caption of the label that carries the original text.
inline constexpr TextView kOriginalLabelCaption = U"O r i g i n a l t e x t";

// Line breaks as a text field keeps them: CR LF stays, every other CR, LF
// or Unicode line or paragraph separator becomes CR LF.
Text WithFieldLineBreaks(TextView text);

void PasteIntoOriginal(Worksheet& ws, UiServices& ui);        // original text := clipboard
void PasteIntoSolution(Worksheet& ws, UiServices& ui);        // solution text := clipboard
void CopyOriginalToClipboard(Worksheet& ws, UiServices& ui);  // clipboard := original text
void CopySolutionToClipboard(Worksheet& ws, UiServices& ui);  // clipboard := solution text
void OriginalFromSolution(Worksheet& ws);                     // original text := solution text
void SolutionFromOriginal(Worksheet& ws);                     // solution text := original text
void ClearSolution(Worksheet& ws);                            // solution text := empty

// A control with this caption was dropped on the solution text: the
// original text's label appends the marked part, or the whole original
// text when nothing is marked, with nothing between; others do nothing.
void DropOnSolution(Worksheet& ws, TextView droppedCaption);

// The exit question; true when the user answers Yes.
bool ConfirmEnd(UiServices& ui);
inline constexpr TextView kEndPrompt = U"Das Programm jetzt beenden?\r";
inline constexpr TextView kEndTitle = U"Tesmoran:  Übungstexte für Lesen und Rechtschreibung, Version " TESMORAN_VERSION;

}  // namespace tesmoran
