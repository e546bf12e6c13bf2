// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tasks/TaskCatalogue.h"

namespace tesmoran {
namespace {

// The wording of single sentences is checked where the task list inserts
// them (form1_test.cpp, no_lost_work_test.cpp).
TEST(TaskSentences, AreFortyEightWithoutAControlCharacterSoEachStaysOneLine) {
  const std::vector<Text>& sentences = TaskSentences();
  ASSERT_EQ(sentences.size(), 48u);
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
