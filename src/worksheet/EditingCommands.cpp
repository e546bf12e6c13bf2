// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/EditingCommands.h"

namespace tesmoran {

const std::vector<Text>& WorkingModeNames() {
  static const std::vector<Text> names = {U"Lösungstext ersetzen", U"Lösungstext erweitern"};
  return names;
}

Text WindowCaption(int mode) {
  return U"T E S M O R A N : " + WorkingModeNames().at(mode == kModeExtend ? 1 : 0);
}

Text WithFieldLineBreaks(TextView text) {
  Text out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c == kCR && i + 1 < text.size() && text[i + 1] == kLF) {
      out.append(kCrLf);
      ++i;
    } else if (c == kCR || c == kLF || c == 0x2028 || c == 0x2029) {
      out.append(kCrLf);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void PasteIntoOriginal(Worksheet& ws, UiServices& ui) {
  ws.Text1.Set(WithFieldLineBreaks(ui.ClipboardText()));
}

void PasteIntoSolution(Worksheet& ws, UiServices& ui) {
  ws.Text2 = WithFieldLineBreaks(ui.ClipboardText());
}

void CopyOriginalToClipboard(Worksheet& ws, UiServices& ui) { ui.SetClipboardText(ws.Text1.text); }

void CopySolutionToClipboard(Worksheet& ws, UiServices& ui) { ui.SetClipboardText(ws.Text2); }

void OriginalFromSolution(Worksheet& ws) { ws.Text1.Set(ws.Text2); }

void SolutionFromOriginal(Worksheet& ws) { ws.Text2 = ws.Text1.text; }

void ClearSolution(Worksheet& ws) { ws.Text2.clear(); }

void DropOnSolution(Worksheet& ws, TextView droppedCaption) {
  if (droppedCaption != kOriginalLabelCaption) return;
  const Text marked = ws.Text1.Marked();
  ws.Text2 += marked.empty() ? ws.Text1.text : marked;
}

bool ConfirmEnd(UiServices& ui) {
  return ui.MessageBox(Text(kEndPrompt), style::kYesNoStopDefaultNo, Text(kEndTitle)) == kAnswerYes;
}

}  // namespace tesmoran
