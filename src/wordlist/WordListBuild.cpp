#include "wordlist/WordListBuild.h"

#include <string>
#include <unordered_set>

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
  // appended during this build join the set as they are appended.
  std::unordered_set<Text> known;
  known.reserve(list.Count() * 2 + 1024);
  for (const WordEntry& e : list.Entries()) known.insert(e.text);

  WordScanner scanner(source);
  Text word;
  while (scanner.Next(word)) {
    if (known.count(word) != 0) continue;
    if (!list.Append(word)) {
      result.firstLeftOut = word;
      break;
    }
    known.insert(word);
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
