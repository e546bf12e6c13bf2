// SPDX-License-Identifier: GPL-3.0-or-later
// Search and replace: replacing from the start of the text again after every
// replacement, as long as that ends within a few hundred replacements, gives
// the same text as the replacing of the program; a chain that does not end
// is given up within its budget; the full command always ends.
#include <cstdint>
#include <optional>

#include "FuzzInput.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran::fuzz {
namespace {

constexpr int kMaxPasses = 300;
constexpr std::size_t kMaxLength = 4000;

// The rule itself: the first occurrence replaced, then the search begins
// again at the start; nullopt when it goes on past the limits above.
std::optional<Text> FromTheStart(Text text, TextView search, TextView replacement) {
  for (int pass = 0; pass <= kMaxPasses && text.size() <= kMaxLength; ++pass) {
    const std::size_t p = text.find(search);
    if (p == Text::npos) return text;
    text.replace(p, search.size(), replacement);
  }
  return std::nullopt;
}

// Texts over a small alphabet, so that replacements form new occurrences
// with their neighbours often.
Text SmallAlphabetText(FuzzInput& input, std::size_t maxLength) {
  Text text(input.Number(maxLength), U'a');
  for (Char& c : text) {
    const std::uint8_t b = input.Byte();
    c = b < 0xF8 ? static_cast<Char>(U'a' + b % 3) : input.Character();
  }
  return text;
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  using namespace tesmoran::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t mode = input.Byte();
  const Text search = SmallAlphabetText(input, 4);
  const Text replacement = SmallAlphabetText(input, 8);
  const Text text = SmallAlphabetText(input, 200);
  if (search.empty()) {
    Check(ReplaceEverywhere(text, search, replacement) == text, "an empty search text changed the text");
    return 0;
  }

  // The reference reads at most its text plus one replacement per pass, and
  // its working text stays within kMaxLength: a budget above both suffices.
  const RescanBudget budget{text.size() + (kMaxPasses + 1) * (replacement.size() + 1), kMaxLength + 64};
  const std::optional<Text> expected = FromTheStart(text, search, replacement);
  const std::optional<Text> rescanned = ReplaceUntilNoneLeft(text, search, replacement, budget);
  if (expected) {
    Check(rescanned.has_value() && *rescanned == *expected, "rescan differs from replacing from the start", text);
    Check(ReplaceEverywhere(text, search, replacement) == *expected, "the command differs from the rule", text);
  } else if (rescanned) {
    Check(rescanned->find(search) == Text::npos, "the rescan left an occurrence behind", *rescanned);
  }
  const Text once = ReplaceOnceThrough(text, search, replacement);
  Check(once.size() >= text.size() || replacement.size() < search.size(), "once-through lost characters", text);

  // The command with its full budget on a chain that does not end takes
  // seconds under the sanitizers; only inputs that begin with this byte take
  // it, and the seed inputs hold none.
  constexpr std::uint8_t kFullBudget = 0xA5;
  if (!expected && mode == kFullBudget) {
    const Text result = ReplaceEverywhere(text, search, replacement);
    Check(result.find(search) == Text::npos || replacement.find(search) != Text::npos ||
              result == ReplaceOnceThrough(text, search, replacement),
          "an endless chain gave neither a finished nor the once-through text", text);
  }
  return 0;
}
