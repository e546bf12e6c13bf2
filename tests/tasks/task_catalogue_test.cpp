// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "tasks/TaskCatalogue.h"

namespace tesmoran {
namespace {

TEST(TaskSentences, AreFortyEightWithTheirWordingAtTheirNumber) {
  const std::pair<std::size_t, Text> rows[] = {  // 1-based, as the user counts
      {1, U"Schreibe den Text richtig in dein Heft!"},
      {16, U"Zähle alle Wörter: Es sind ___ Wörter!"},
      {21, U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!"},
      {22, U"Zähle alle __-Buchstaben: Es sind ___ Buchstaben!"},
      {48, U"Schreibe ___ Wörter aus der Wortfamilie dazu!"},
  };
  const std::vector<Text>& sentences = TaskSentences();
  ASSERT_EQ(sentences.size(), 48u);
  for (const auto& [number, sentence] : rows) {
    SCOPED_TRACE("sentence " + std::to_string(number));
    EXPECT_EQ(sentences[number - 1], sentence);
  }
}

TEST(TaskSentences, HoldNoControlCharacterSoEachStaysOneLine) {
  const std::vector<Text>& sentences = TaskSentences();
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    SCOPED_TRACE("sentence " + std::to_string(i + 1));
    EXPECT_EQ(std::count_if(sentences[i].begin(), sentences[i].end(), IsControlChar), 0);
  }
}

TEST(InsertTask, AppendsTheSentenceAsANewLineAndStripsNothing) {
  const struct {
    const char* name;
    Text before;
    Text sentence;
    Text after;
  } rows[] = {
      {"empty solution", U"", U"Lies den Text.", U"\r\nLies den Text."},
      {"one line", U"ABC", U"Lies den Text.", U"ABC\r\nLies den Text."},
      {"control characters stay", U"A\tB\r\n", U"Setze ein: ____", U"A\tB\r\n\r\nSetze ein: ____"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Text solution = row.before;
    InsertTask(solution, row.sentence);
    EXPECT_EQ(solution, row.after);
  }
}

}  // namespace
}  // namespace tesmoran
