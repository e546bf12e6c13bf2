// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise that tesmoran-cli runs in pieces, cut where its catalogue
// entry allows: on a long text in either encoding, with every answer to its
// question, the command line writes what the exercise frame gives on the
// whole text.  An entry whose cut rule does not fit its transformation
// fails here.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/CliExerciseNames.h"
#include "platform/FixedAnswerUi.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

// About 150 KB, three pieces, of fragments in a fixed pseudo-random order:
// mostly long words, so that a cut in the wrong place is likely to split
// one, and between them runs of delimiters and spaces, end marks alone,
// doubled and mixed, line breaks and letters that take two to four bytes
// in UTF-8; the four-byte one is left out for code page 1252.
Text LongText() {
  // clang-format off
  const Text fragments[] = {U"Donaudampfschiff", U"Straße", U"Äpfel", U"Schulranzen", U"Hund", U"bellt",
                            U"Überraschung", U" ", U" ", U"  ", U". ", U"!", U"?!", U"\r\n", U",", U"€x", U".Öl",
                            U"::", U"!!", U"?.", U"-", U"\t", U"a", U"ä", U"?!?", U"!\r\n", U": ", U"😀"};
  // clang-format on
  Text text;
  std::uint32_t seed = 4711;
  while (text.size() < 150000) {
    seed = seed * 1103515245u + 12345u;
    text += fragments[(seed >> 16) % std::size(fragments)];
  }
  return text;
}

// One way to answer an exercise's question, on the command line and to the frame.
struct Answering {
  std::vector<std::string> options;
  std::optional<bool> yes;
  Text letters;
};

std::vector<Answering> AnswersTo(const Question& question) {
  switch (question.kind) {
    case Question::Kind::kYesNo: return {{{"--answer", "yes"}, true, {}}, {{"--answer", "no"}, false, {}}};
    case Question::Kind::kInput: return {{{"--letters"}, std::nullopt, U"sä"}};
    case Question::Kind::kNone: break;
  }
  return {{}};
}

std::string Encoded(const Text& text, bool cp1252) { return cp1252 ? *EncodeCp1252(text) : EncodeUtf8(text); }

TEST(CliCutRules, EveryExerciseCutIntoPiecesWritesItsResultOnTheWholeText) {
  const Text utf8Text = LongText();
  Text cp1252Text = utf8Text;
  std::erase(cp1252Text, U'😀');
  int cutExercises = 0;
  for (const Exercise& exercise : ExerciseCatalogue()) {
    if (exercise.cutRule == CutRule::kNowhere) continue;
    ++cutExercises;
    for (const bool cp1252 : {false, true}) {
      const Text& text = cp1252 ? cp1252Text : utf8Text;
      for (const Answering& answering : AnswersTo(exercise.question)) {
        std::vector<std::string> args = {AsciiName(exercise.caption)};
        args.insert(args.end(), answering.options.begin(), answering.options.end());
        if (!answering.letters.empty()) args.push_back(Encoded(answering.letters, cp1252));
        if (cp1252) args.insert(args.end(), {"--encoding", "cp1252"});
        SCOPED_TRACE(::testing::PrintToString(args));

        Worksheet whole;
        whole.Text1.Set(text);
        FixedAnswerUi ui(answering.yes, answering.letters);
        ASSERT_EQ(RunExercise(exercise, whole, ui).outcome, ExerciseOutcome::kDelivered);
        const std::string expected = Encoded(whole.Text2, cp1252) + "\n";

        std::istringstream in(Encoded(text, cp1252));
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, in, out, err), 0);
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(out.str().size(), expected.size());
        EXPECT_TRUE(out.str() == expected);
      }
    }
  }
  EXPECT_GT(cutExercises, 0);
}

}  // namespace
}  // namespace tesmoran
