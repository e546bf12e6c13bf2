// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SearchReplace.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

// Finds a fixed text in a stream of characters, one character at a time.
// The state is the number of characters of the search text matched so far
// (prefix automaton with failure links).
class Matcher {
 public:
  explicit Matcher(TextView search) : search_(search), border_(search.size() + 1, 0) {
    // border_[q]: length of the longest proper border of search[0, q).
    std::size_t k = 0;
    for (std::size_t q = 1; q < search_.size(); ++q) {
      while (k > 0 && search_[q] != search_[k]) k = border_[k];
      if (search_[q] == search_[k]) ++k;
      border_[q + 1] = k;
    }
  }

  std::size_t Length() const { return search_.size(); }

  // The state after reading c in state q (q < Length()).
  std::size_t Step(std::size_t q, Char c) const {
    while (q > 0 && search_[q] != c) q = border_[q];
    return search_[q] == c ? q + 1 : 0;
  }

 private:
  TextView search_;
  std::vector<std::size_t> border_;
};

}  // namespace

Text ReplaceOnceThrough(TextView text, TextView search, TextView replacement) {
  if (search.empty()) return Text(text);
  const Matcher matcher(search);
  Text out;
  out.reserve(text.size());
  std::size_t state = 0;
  for (Char c : text) {
    state = matcher.Step(state, c);
    out.push_back(c);
    if (state == matcher.Length()) {
      out.resize(out.size() - search.size());
      out.append(replacement);
      state = 0;
    }
  }
  return out;
}

std::optional<Text> ReplaceUntilNoneLeft(TextView text, TextView search, TextView replacement,
                                         RescanBudget budget) {
  if (search.empty() || search.size() > text.size()) return Text(text);
  constexpr std::size_t kMaxStored = std::numeric_limits<std::uint32_t>::max();
  if (search.size() >= kMaxStored || replacement.size() >= kMaxStored) return std::nullopt;
  if (text.size() > budget.length) return std::nullopt;
  // The text is always `out`, then the rest of each inserted replacement
  // still to be read (the latest first), then the rest of the original text.
  // `out` holds no occurrence; an occurrence that a character completes is
  // therefore the first one of the whole text.  It is cut off the end of
  // `out` and its replacement is read next, so occurrences that the
  // replacement forms with the characters before or after it are found
  // without searching the text from its start again.
  const Matcher matcher(search);
  Text out;
  out.reserve(text.size());
  std::vector<std::uint32_t> inserted;  // next character of each pending replacement
  std::size_t next = 0;                 // next character of the original text
  std::size_t reads = 0;
  std::size_t length = text.size();  // of the whole working text
  std::size_t state = 0;             // matcher state after the last character of out
  for (;;) {
    Char c;
    if (!inserted.empty()) {
      std::uint32_t& position = inserted.back();
      c = replacement[position];
      if (++position == replacement.size()) inserted.pop_back();
    } else if (next < text.size()) {
      c = text[next++];
    } else {
      break;
    }
    if (++reads > budget.reads) return std::nullopt;
    state = matcher.Step(state, c);
    out.push_back(c);
    if (state < matcher.Length()) continue;
    out.resize(out.size() - search.size());
    length = length - search.size() + replacement.size();
    if (length > budget.length) return std::nullopt;
    if (!replacement.empty()) inserted.push_back(0);
    // The state at the new end of `out` is the longest end of it that begins
    // the search text; it is shorter than the search text, so reading the
    // last characters again finds it.
    const std::size_t back = std::min(out.size(), search.size() - 1);
    state = 0;
    for (std::size_t i = out.size() - back; i < out.size(); ++i) state = matcher.Step(state, out[i]);
  }
  return out;
}

RescanBudget RescanBudgetFor(std::size_t textLength, std::size_t replacementLength) {
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  const std::size_t n = textLength > kMax - replacementLength ? kMax : textLength + replacementLength;
  const auto times = [n](std::size_t factor) {
    const std::size_t product = n > kMax / factor ? kMax : n * factor;
    return std::max(product, kRescanMinimum);
  };
  return RescanBudget{times(kRescanReadsFactor), times(kRescanLengthFactor)};
}

Text ReplaceEverywhere(TextView text, TextView search, TextView replacement) {
  if (search.empty()) return Text(text);
  if (replacement.find(search) == TextView::npos) {
    std::optional<Text> result = ReplaceUntilNoneLeft(
        text, search, replacement, RescanBudgetFor(text.size(), replacement.size()));
    if (result) return std::move(*result);
  }
  return ReplaceOnceThrough(text, search, replacement);
}

bool ReplacesInOnePass(TextView search, TextView replacement) {
  if (search.empty() || replacement.find(search) != TextView::npos) return true;
  // A new occurrence would have to hold some of the replacement: its start
  // (an end of the search text begins the replacement), its end (the
  // replacement ends with a start of the search text) or all of it.
  if (replacement.empty() || search.find(replacement) != TextView::npos) return false;
  const std::size_t longest = std::min(search.size() - 1, replacement.size());
  for (std::size_t k = 1; k <= longest; ++k) {
    if (replacement.substr(0, k) == search.substr(search.size() - k)) return false;
    if (replacement.substr(replacement.size() - k) == search.substr(0, k)) return false;
  }
  return true;
}

void SearchAndReplace(Worksheet& ws, UiServices& ui) {
  const Text search = ws.Text1.Marked();
  if (search.empty()) {
    ui.MessageBox(U"Den zu suchenden Text erst markieren!", style::kOk, U"Textaustausch");
    return;
  }
  const Text prompt = U"[" + search + U"] wird ersetzt durch:";
  const Text replacement = ui.InputBox(prompt, U"Suchen&Ersetzen:" + search, Text());
  if (replacement.empty()) return;
  ws.WorkText = ReplaceEverywhere(ws.Text1.text, search, replacement);
  DeliverWorkText(ws);
}

}  // namespace tesmoran
