#include <gtest/gtest.h>

#include "tasks/TaskCatalogue.h"

namespace tesmoran {
namespace {

struct NumberedSentence {
  std::size_t number;  // 1-based, as the user counts the list
  Text sentence;
};

TEST(TaskSentences, SentencesStandAtTheirNumbers) {
  const NumberedSentence cases[] = {
      {1, U"Schreibe den Text richtig in dein Heft!"},
      {7, U"Schreibe den Text gekürzt in dein Heft!"},
      {12, U"Schreibe zu dem Text einen anderen Anfang/Schluss!"},
      {16, U"Zähle alle Wörter: Es sind ___ Wörter!"},
      {21, U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!"},
      {22, U"Zähle alle __-Buchstaben: Es sind ___ Buchstaben!"},
      {23, U"Auf welcher Seite stehen die Wörter im Wörterbuch?"},
      {24, U"Ordne die Wörter nach dem ABC!"},
      {34, U"Schreibe alle Tunwörter in der Ich-Form/Er-Form!"},
      {40, U"Schreibe die Wörter ab / aufbauend in dein Heft!"},
      {48, U"Schreibe ___ Wörter aus der Wortfamilie dazu!"},
  };
  const std::vector<Text>& sentences = TaskSentences();
  ASSERT_EQ(sentences.size(), 48u);
  for (const NumberedSentence& c : cases) {
    EXPECT_EQ(sentences[c.number - 1], c.sentence) << "number " << c.number;
  }
}

TEST(TaskSentences, NoSentenceHoldsAControlCharacter) {
  for (const Text& sentence : TaskSentences()) {
    for (Char c : sentence) EXPECT_FALSE(IsControlChar(c)) << static_cast<unsigned>(c);
  }
}

TEST(TaskSentences, SentencesAreThirtyToFiftyOneCharactersLong) {
  for (const Text& sentence : TaskSentences()) {
    EXPECT_GE(sentence.size(), 30u);
    EXPECT_LE(sentence.size(), 51u);
  }
}

TEST(TaskSentences, BlanksAreThreeUnderscoresExceptTheFirstOfNumberTwentyTwo) {
  const std::vector<Text>& sentences = TaskSentences();
  std::size_t blanks = 0;
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    const Text& s = sentences[i];
    bool first = true;
    for (std::size_t pos = s.find(U'_'); pos != Text::npos; pos = s.find(U'_', pos)) {
      const std::size_t end = s.find_first_not_of(U'_', pos);
      const std::size_t run = (end == Text::npos ? s.size() : end) - pos;
      const bool twoAllowed = i == 21 && first;
      EXPECT_EQ(run, twoAllowed ? 2u : 3u) << "number " << i + 1;
      ++blanks;
      first = false;
      pos += run;
    }
  }
  // 16 to 22 and 42 to 48 except 45 have blanks; 21 and 22 have two each.
  EXPECT_EQ(blanks, 15u);
}

struct InsertCase {
  const char* name;
  int mode;
  Text solutionBefore;
  Text expected;
};

TEST(InsertTask, AppendsTheSentenceAsANewLineInEveryMode) {
  const Text sentence = TaskSentences()[20];
  const InsertCase cases[] = {
      {"empty, replace mode", kModeReplace, U"", U"\r\n" + sentence},
      {"empty, extend mode", kModeExtend, U"", U"\r\n" + sentence},
      {"text, replace mode", kModeReplace, U"ABC", U"ABC\r\n" + sentence},
      {"text, extend mode", kModeExtend, U"ABC", U"ABC\r\n" + sentence},
      {"control characters kept", kModeReplace, U"A\tB\r\n", U"A\tB\r\n\r\n" + sentence},
  };
  for (const InsertCase& c : cases) {
    Worksheet ws;
    ws.Liste3 = c.mode;
    ws.Text2 = c.solutionBefore;
    InsertTask(ws, sentence);
    EXPECT_EQ(ws.Text2, c.expected) << c.name;
  }
}

TEST(InsertTask, EachInsertionAddsOneMoreLine) {
  Worksheet ws;
  const Text& sentence = TaskSentences()[23];
  InsertTask(ws, sentence);
  InsertTask(ws, sentence);
  EXPECT_EQ(ws.Text2, U"\r\n" + sentence + U"\r\n" + sentence);
}

TEST(InsertTask, LeavesOriginalTextWorkTextAndWordListAlone) {
  Worksheet ws;
  ws.Text1.text = U"Der Hund bellt.";
  ws.Text1.selStart = 4;
  ws.Text1.selLength = 4;
  ws.WorkText = U"vorher";
  ws.Liste2.Append(U"Hund");
  ws.Liste2.SetSelected(0, true);
  const auto revision = ws.Liste2.Revision();

  InsertTask(ws, TaskSentences()[0]);

  EXPECT_EQ(ws.Text1.text, U"Der Hund bellt.");
  EXPECT_EQ(ws.Text1.Marked(), U"Hund");
  EXPECT_EQ(ws.WorkText, U"vorher");
  EXPECT_EQ(ws.Liste2.Revision(), revision);
  EXPECT_TRUE(ws.Liste2.IsSelected(0));
}

}  // namespace
}  // namespace tesmoran
