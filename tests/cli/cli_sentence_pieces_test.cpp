// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises that tesmoran-cli runs in pieces cut at sentence ends,
// after any character but a space, at a word after a space, after an even
// number of delimiters, or from the last piece to the first: on a long text with every kind of end mark
// sequence and runs of spaces they must write what the exercise gives on
// the whole text.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/Cli.h"
#include "exercises/CaseAndReversal.h"
#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {
namespace {

// About 400 KB of fragments in a fixed pseudo-random order: end marks
// alone, doubled and mixed, before spaces, letters of every length and
// line breaks.
Text LongMixedText() {
  const Text fragments[] = {U"Der Hund bellt", U"!",     U"!!", U"?.", U": ", U". ", U" ",
                            U"\r\n",           U"Äpfel", U"😀",  U".",  U"?",  U"€x", U"a",
                            U"!\r\n",          U".Öl",   U"::", U"?!?"};
  Text text;
  std::uint32_t seed = 12345;
  while (text.size() < 400000) {
    seed = seed * 1103515245u + 12345u;
    text += fragments[(seed >> 16) % std::size(fragments)];
  }
  return text;
}

TEST(CliPieces, SentenceAndReversedPiecesGiveTheWholeTextsResult) {
  const Text text = LongMixedText();
  const std::string input = EncodeUtf8(text);
  const struct {
    std::vector<std::string> args;
    Text (*onText)(TextView);
  } cases[] = {
      {{"umkehrsatz"}, ReverseSentenceWordOrder},
      {{"rueckwaertssatz"}, ReverseEachSentence},
      {{"rueckwaertstext"}, ReverseText},
      {{"bandwurmtext"}, JoinWords},
      {{"nur-erstletter"}, KeepFirstLetters},
      {{"lueckentext", "--answer", "no"}, [](TextView t) { return GapEveryOtherWord(t, false); }},
      {{"lueckentext", "--answer", "yes"}, [](TextView t) { return GapEveryOtherWord(t, true); }},
      {{"ohne-erstletter", "--answer", "no"}, [](TextView t) { return HideFirstLetters(t, false); }},
      {{"ohne-erstletter", "--answer", "yes"}, [](TextView t) { return HideFirstLetters(t, true); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, in, out, err), 0);
    EXPECT_EQ(err.str(), "");
    const std::string expected = EncodeUtf8(StripControlChars(c.onText(text))) + "\n";
    EXPECT_EQ(out.str().size(), expected.size());
    EXPECT_TRUE(out.str() == expected);
  }
}

}  // namespace
}  // namespace tesmoran
