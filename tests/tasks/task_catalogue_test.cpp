#include <gtest/gtest.h>

#include <utility>

#include "tasks/TaskCatalogue.h"

namespace tesmoran {
namespace {

TEST(TaskSentences, FortyEightSentencesOnOneLineEach) {
  const std::pair<std::size_t, Text> cases[] = {  // 1-based, as the user counts
      {1, U"Schreibe den Text richtig in dein Heft!"},
      {16, U"Zähle alle Wörter: Es sind ___ Wörter!"},
      {21, U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!"},
      {22, U"Zähle alle __-Buchstaben: Es sind ___ Buchstaben!"},
      {48, U"Schreibe ___ Wörter aus der Wortfamilie dazu!"},
  };
  const std::vector<Text>& sentences = TaskSentences();
  ASSERT_EQ(sentences.size(), 48u);
  for (const auto& [number, sentence] : cases) EXPECT_EQ(sentences[number - 1], sentence) << number;
  for (const Text& sentence : sentences) {
    for (Char c : sentence) EXPECT_FALSE(IsControlChar(c)) << static_cast<unsigned>(c);
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
