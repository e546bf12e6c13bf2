// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word list on the screen: the entries' texts and their selection.
class QListWidget;

namespace tesmoran {

class WordList;

// Copies the selection shown on the screen into the list's selected flags.
void ReadWordListSelection(const QListWidget& view, WordList& list);

// Shows the list's entries and selection; the scroll position stays where
// it was.  Works in one pass, also for the longest lists.
void RedrawWordList(QListWidget& view, const WordList& list);

// Every click on an entry toggles it, however quickly it follows the one
// before: the second click of a double click toggles again.
void ToggleOnEveryClick(QListWidget& view);

}  // namespace tesmoran
