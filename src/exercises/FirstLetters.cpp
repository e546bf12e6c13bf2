// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/FirstLetters.h"

#include "exercises/CharacterSets.h"
#include "exercises/GapMarks.h"
#include "text/CaseMap.h"

namespace tesmoran {
namespace {

enum class Position { kWordStart, kInsideWord, kAfterControl };

// Where the character after p stands, judged by p's code alone.
Position PositionAfter(Char p) {
  if (p == kSpace) return Position::kWordStart;
  return p > kSpace ? Position::kInsideWord : Position::kAfterControl;
}

void AppendCaseChoice(Char c, Text& out) {
  out.push_back(U'(');
  out.push_back(ToUpperChar(c));
  out.push_back(ToLowerChar(c));
  out.push_back(U')');
}

void AppendMark(Char first, bool offerChoice, Text& out) {
  if (offerChoice) {
    AppendCaseChoice(first, out);
  } else {
    out.push_back(kGapMark);
  }
}

// Walks the characters after the first one: a delimiter is copied, a word
// start goes to onStart, a character inside a word to onInside, and a
// character after a control character produces nothing.
template <class OnStart, class OnInside>
void WalkAfterFirst(TextView text, Text& out, OnStart onStart, OnInside onInside) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    const Char c = text[i];
    if (IsWordDelimiter(c)) {
      out.push_back(c);
      continue;
    }
    switch (PositionAfter(text[i - 1])) {
      case Position::kWordStart: onStart(c); break;
      case Position::kInsideWord: onInside(c); break;
      case Position::kAfterControl: break;
    }
  }
}

// The mark of a text or entry without any character.
void AppendEmptyMark(bool offerChoice, Text& out) {
  if (offerChoice) {
    out.append(U"()");
  } else {
    out.push_back(kGapMark);
  }
}

}  // namespace

Text CaseChoice(Char c) {
  Text out;
  AppendCaseChoice(c, out);
  return out;
}

Text KeepFirstLetters(TextView text) {
  Text out;
  if (text.empty()) return out;
  out.reserve(text.size() * 2);
  out.push_back(text[0]);
  WalkAfterFirst(
      text, out, [&out](Char c) { out.push_back(c); }, [&out](Char) { out.append(kDoubleGapMark); });
  return out;
}

Text KeepFirstLettersOfEntry(TextView entry) {
  Text out;
  if (entry.empty()) return out;
  out.reserve(entry.size());
  out.push_back(entry[0]);
  out.append(entry.size() - 1, kGapMark);
  return out;
}

Text HideFirstLetters(TextView text, bool offerChoice) {
  Text out;
  out.reserve(text.size() + text.size() / 2 + 4);
  if (text.empty()) {
    AppendEmptyMark(offerChoice, out);
    return out;
  }
  AppendMark(text[0], offerChoice, out);
  WalkAfterFirst(
      text, out, [&](Char c) { AppendMark(c, offerChoice, out); }, [&out](Char c) { out.push_back(c); });
  return out;
}

Text HideFirstLettersOfEntry(TextView entry, bool offerChoice) {
  Text out;
  out.reserve(entry.size() + 3);
  if (entry.empty()) {
    AppendEmptyMark(offerChoice, out);
    return out;
  }
  AppendMark(entry[0], offerChoice, out);
  out.append(entry.substr(1));
  return out;
}

}  // namespace tesmoran
