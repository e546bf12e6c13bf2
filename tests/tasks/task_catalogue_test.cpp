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

TEST(InsertTask, AppendsTheSentenceAsANewLineInEveryMode) {
  const Text& sentence = TaskSentences()[20];
  for (int mode : {kModeReplace, kModeExtend}) {
    for (const Text before : {U"", U"ABC", U"A\tB\r\n"}) {
      Worksheet ws;
      ws.Liste3 = mode;
      ws.Text2 = before;
      InsertTask(ws, sentence);
      EXPECT_EQ(ws.Text2, before + U"\r\n" + sentence) << mode;
    }
  }
}

}  // namespace
}  // namespace tesmoran
