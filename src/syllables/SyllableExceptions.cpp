// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllables/SyllableExceptions.h"

#include <string>

#include "syllables/SyllableWords.h"
#include "text/CaseMap.h"

namespace tesmoran {
namespace {

// The word without its hyphens and the offsets where they stood; nothing
// when the line is not letters with single hyphens between them.
bool ParseEntry(TextView entry, Text& word, std::vector<std::size_t>& breaks) {
  bool afterLetter = false;
  for (Char c : entry) {
    if (c == U'-') {
      if (!afterLetter) return false;
      breaks.push_back(word.size());
      afterLetter = false;
    } else if (IsSyllableLetter(c)) {
      word.push_back(ToLowerChar(c));
      afterLetter = true;
    } else {
      return false;
    }
  }
  return afterLetter;
}

Text Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

}  // namespace

std::vector<TextView> ExceptionLines(TextView fileText) {
  const auto blank = [](Char c) { return c == U' ' || c == U'\t' || c == 0xFEFF; };
  std::vector<TextView> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= fileText.size(); ++i) {
    if (i < fileText.size() && fileText[i] != kCR && fileText[i] != kLF) continue;
    TextView line = fileText.substr(start, i - start);
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    lines.push_back(line);
    if (i + 1 < fileText.size() && fileText[i] == kCR && fileText[i + 1] == kLF) ++i;
    start = i + 1;
  }
  return lines;
}

SyllableExceptions SyllableExceptions::Parse(TextView fileText) {
  SyllableExceptions list;
  const std::vector<TextView> lines = ExceptionLines(fileText);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextView line = lines[i];
    if (line.empty() || line.front() == U'#') continue;
    Text word;
    std::vector<std::size_t> breaks;
    if (ParseEntry(line, word, breaks)) {
      list.entries_[std::move(word)] = std::move(breaks);
    } else {
      list.malformedLines_.push_back(i + 1);
    }
  }
  return list;
}

std::optional<std::vector<std::size_t>> SyllableExceptions::Find(TextView lowerWord) const {
  if (entries_.empty()) return std::nullopt;
  auto it = entries_.find(Text(lowerWord));
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

Text SyllableExceptions::MalformedReport() const {
  if (malformedLines_.empty()) return {};
  Text numbers;
  for (std::size_t line : malformedLines_) {
    if (!numbers.empty()) numbers += U", ";
    numbers += Number(line);
  }
  return (malformedLines_.size() == 1 ? U"Die Zeile " : U"Die Zeilen ") + numbers + U" der Silben-Ausnahmen wurde" +
         (malformedLines_.size() == 1 ? U"" : U"n") +
         U" übersprungen. Jede Zeile enthält ein Wort mit Bindestrichen zwischen den Silben, zum Beispiel „Ü-bung“.";
}

}  // namespace tesmoran
