// SPDX-License-Identifier: GPL-3.0-or-later
// The user's syllable exceptions read from any text: every line that is
// neither blank nor a comment is taken or reported, the reported lines are
// real line numbers in order, a taken word gives breaks strictly inside it,
// and the syllable engine answers a taken word with exactly those breaks.
// The pattern file is read once for the whole run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "syllables/PatternSyllabifier.h"
#include "syllables/SyllableExceptions.h"
#include "text/CaseMap.h"

namespace tesmoran::fuzz {
namespace {

std::shared_ptr<const HyphenPatterns> gPatterns;

// The word of an entry line: without its hyphens, in lower case.
Text EntryWord(TextView line) {
  Text word;
  for (Char c : line) {
    if (c != U'-') word.push_back(ToLowerChar(c));
  }
  return word;
}

void CheckList(TextView text) {
  const SyllableExceptions list = SyllableExceptions::Parse(text);
  const std::vector<TextView> lines = ExceptionLines(text);
  const std::vector<std::size_t>& bad = list.MalformedLines();
  for (std::size_t i = 0; i < bad.size(); ++i) {
    Check(bad[i] >= 1 && bad[i] <= lines.size(), "a reported line number lies outside the text", text);
    Check(i == 0 || bad[i - 1] < bad[i], "reported line numbers are not in order", text);
    const TextView line = lines[bad[i] - 1];
    Check(!line.empty() && line.front() != U'#', "a blank or comment line was reported", line);
  }
  Check(list.MalformedReport().empty() == bad.empty(), "the report does not match the reported lines");

  const PatternSyllabifier engine(gPatterns, list);
  std::size_t next = 0;
  std::size_t taken = 0;
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    const TextView line = lines[n - 1];
    if (line.empty() || line.front() == U'#') continue;
    if (next < bad.size() && bad[next] == n) {
      ++next;
      continue;
    }
    ++taken;
    const Text word = EntryWord(line);
    const std::optional<std::vector<std::size_t>> breaks = list.Find(word);
    Check(breaks.has_value(), "a taken line cannot be found", line);
    for (std::size_t i = 0; i < breaks->size(); ++i) {
      const std::size_t b = (*breaks)[i];
      Check(b > 0 && b < word.size() && (i == 0 || (*breaks)[i - 1] < b), "breaks of an entry are not inside it", line);
    }
    if (word.size() <= PatternSyllabifier::kMaxWordLength) {
      Check(engine.WordBreaks(word, SyllableKind::kReading) == *breaks, "the engine ignores a reading entry", word);
      Check(engine.WordBreaks(word, SyllableKind::kLineBreak) == *breaks, "the engine ignores a line-break entry",
            word);
    }
  }
  Check(list.size() <= taken, "more entries than taken lines", text);
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const tesmoran::HyphenPatterns::Load load = tesmoran::HyphenPatterns::Open();
  if (!load.patterns) {
    std::fprintf(stderr, "%s\n", tesmoran::EncodeUtf8(load.error).c_str());
    std::exit(1);
  }
  tesmoran::fuzz::gPatterns = load.patterns;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bytes that are UTF-8 are read as the file's text, the others are
  // turned into characters that matter to the list.
  const std::optional<tesmoran::Text> text =
      tesmoran::DecodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  tesmoran::fuzz::FuzzInput input(data, size);
  tesmoran::fuzz::CheckList(text ? *text : input.RestText());
  return 0;
}
