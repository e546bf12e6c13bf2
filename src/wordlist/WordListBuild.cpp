// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/WordListBuild.h"

#include <string>

#include "wordlist/KnownWords.h"
#include "wordlist/WordScan.h"

namespace tesmoran {

namespace {

Text DecimalText(std::size_t n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

}  // namespace

AppendNewWordsResult AppendNewWords(WordList& list, TextView source) {
  AppendNewWordsResult result;
  // The words the list holds already, for a lookup in constant time; entries
  // appended during this build join them as they are appended.
  KnownWords known(list);

  WordScanner scanner(source);
  TextView word;
  while (scanner.Next(word)) {
    if (known.Contains(word)) continue;
    if (!list.Append(Text(word))) {
      result.firstLeftOut = Text(word);
      break;
    }
    known.Add(list.Count() - 1);
    ++result.appended;
  }
  return result;
}

Text NewWordsMessage(std::size_t count) {
  return U" " + DecimalText(count) + U" neue Wörter gefunden!";
}

Text ListFullMessage(const Text& firstLeftOut) {
  return U"Die Wörterliste ist voll (" + DecimalText(WordList::kMaxEntries) +
         U" Wörter).\r\nDas erste nicht aufgenommene Wort ist «" + firstLeftOut + U"».";
}

void BuildWordList(Worksheet& ws, UiServices& ui) {
  OriginalText& original = ws.Text1;
  if (original.text.empty()) {
    ui.MessageBox(Text(kNoTextMessage), style::kOk, Text(kBuildTitle));
    return;
  }
  const Text marked = original.Marked();
  const AppendNewWordsResult result = AppendNewWords(ws.Liste2, marked.empty() ? original.text : marked);

  // The marked passage stays in the text; only its marking ends, with the
  // caret behind the passage.
  if (!marked.empty()) original.selStart += marked.size();
  original.selLength = 0;

  ui.MessageBox(NewWordsMessage(result.appended), style::kOk, Text(kWordListTitle));
  if (result.firstLeftOut) {
    ui.MessageBox(ListFullMessage(*result.firstLeftOut), style::kOkExclamation, Text(kWordListTitle));
  }
  ws.Liste4 = ws.Liste2.Texts();
}

}  // namespace tesmoran
