// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordListCommands.h"

namespace tesmoran {

namespace {

// The selected words in list order, each followed by `separator`.
Text JoinSelected(const WordList& list, TextView separator) {
  Text words;
  for (const WordEntry& e : list.Entries()) {
    if (e.selected) words.append(e.text).append(separator);
  }
  return words;
}

// Asks a Yes/No question that defaults to No; true only for an explicit Yes.
bool ConfirmedByUser(UiServices& ui, TextView question, TextView title) {
  return ui.MessageBox(Text(question), style::kYesNoQuestionDefaultNo, Text(title)) == kAnswerYes;
}

}  // namespace

void AppendSelectedWords(Worksheet& ws, UiServices& /*ui*/) {
  const Text words = JoinSelected(ws.Liste2, U" ");
  ws.Text2.append(kCrLf).append(words).append(kCrLf);
}

void SelectAllWords(Worksheet& ws, UiServices& /*ui*/) { ws.Liste2.SetAllSelected(true); }

void SelectNoWords(Worksheet& ws, UiServices& /*ui*/) { ws.Liste2.SetAllSelected(false); }

void DeleteSelectedWords(Worksheet& ws, UiServices& ui) {
  if (!ws.Liste2.AnySelected()) return;
  if (!ConfirmedByUser(ui, kDeleteQuestion, kDeleteTitle)) return;
  ws.Liste2.RemoveSelected();
}

void SaveWordListCopy(Worksheet& ws, UiServices& /*ui*/) { ws.Liste4 = ws.Liste2.Texts(); }

void RestoreWordListCopy(Worksheet& ws, UiServices& /*ui*/) { ws.Liste2.Assign(ws.Liste4); }

void CopySelectedWords(Worksheet& ws, UiServices& ui) {
  if (!ws.Liste2.AnySelected()) return;
  if (!ConfirmedByUser(ui, kCopyQuestion, kCopyTitle)) return;
  const Text words = JoinSelected(ws.Liste2, kCrLf);
  ws.Liste2.SetAllSelected(false);
  ui.SetClipboardText(words);
}

}  // namespace tesmoran
