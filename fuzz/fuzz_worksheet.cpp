// SPDX-License-Identifier: GPL-3.0-or-later
// A sequence of worksheet actions as the main window's buttons and icons
// perform them: texts typed and marked, exercises, search and replace, the
// word list and its commands, task sentences, working modes.  After every
// action: the word list and its copy stay within 32767 entries, a build adds
// only words the list lacks, the list commands leave what they promise, and
// the exercises never change the original text.
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "FuzzInput.h"
#include "worksheet/ExerciseCatalogue.h"
#include "tasks/TaskCatalogue.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordListCommands.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran::fuzz {
namespace {

constexpr int kMaxActions = 48;
constexpr std::size_t kMaxSolution = 4000;

std::size_t SelectedCount(const WordList& list) {
  const auto& e = list.Entries();
  return static_cast<std::size_t>(std::count_if(e.begin(), e.end(), [](const WordEntry& w) { return w.selected; }));
}

void RunExerciseAction(Worksheet& ws, FuzzInput& input, FuzzUi& ui) {
  const std::vector<Exercise>& catalogue = ExerciseCatalogue();
  const OriginalText before = ws.Text1;
  RunExercise(catalogue[input.Byte() % catalogue.size()], ws, ui);
  Check(ws.Text1.text == before.text && ws.Text1.selStart == before.selStart &&
            ws.Text1.selLength == before.selLength,
        "an exercise changed the original text", before.text);
}

// Search and replace, left out for the few answers whose chain would run to
// the full budget: those belong to the replace target.
void SearchAndReplaceAction(Worksheet& ws, FuzzInput& input, FuzzUi& ui) {
  const Text answer = input.ShortText(6);
  const Text marked = ws.Text1.Marked();
  if (!marked.empty() && !answer.empty() && answer.find(marked) == Text::npos &&
      !ReplaceUntilNoneLeft(ws.Text1.text, marked, answer, RescanBudget{100000, 100000})) {
    return;
  }
  const Text original = ws.Text1.text;
  ui.AnswerNextInput(answer);
  SearchAndReplace(ws, ui);
  ui.AnswerNextInput(Text());
  Check(ws.Text1.text == original, "search and replace changed the original text", original);
}

void BuildAction(Worksheet& ws, FuzzUi& ui) {
  const std::vector<Text> before = ws.Liste2.Texts();
  BuildWordList(ws, ui);
  const std::vector<Text> after = ws.Liste2.Texts();
  Check(std::equal(before.begin(), before.end(), after.begin()), "a build changed an earlier entry");
  const std::set<Text> old(before.begin(), before.end());
  std::set<Text> added;
  for (std::size_t i = before.size(); i < after.size(); ++i) {
    Check(!old.contains(after[i]) && added.insert(after[i]).second, "a build added a word twice", after[i]);
  }
  Check(ws.Liste4 == after, "the copy of the list differs after a build");
}

void ListAction(std::uint8_t which, Worksheet& ws, FuzzInput& input, FuzzUi& ui) {
  WordList& list = ws.Liste2;
  const std::size_t count = list.Count(), selected = SelectedCount(list);
  switch (which) {
    case 0:
      SelectAllWords(ws, ui);
      Check(SelectedCount(list) == count, "not every entry is selected");
      break;
    case 1:
      SelectNoWords(ws, ui);
      Check(SelectedCount(list) == 0, "an entry stays selected");
      break;
    case 2:
      DeleteSelectedWords(ws, ui);
      Check(list.Count() == count || (list.Count() == count - selected && SelectedCount(list) == 0),
            "deleting removed other entries than the selected ones");
      break;
    case 3:
      SaveWordListCopy(ws, ui);
      Check(ws.Liste4 == list.Texts(), "the copy differs from the list");
      break;
    case 4:
      RestoreWordListCopy(ws, ui);
      Check(list.Texts() == ws.Liste4 && SelectedCount(list) == 0, "the list differs from its copy");
      break;
    case 5:
      CopySelectedWords(ws, ui);
      break;
    case 6:
      AppendSelectedWords(ws, ui);
      break;
    default:
      if (count > 0) list.SetSelected(input.Number(count - 1), input.Flag());
      break;
  }
}

void RunAction(Worksheet& ws, FuzzInput& input, FuzzUi& ui) {
  const std::uint8_t action = input.Byte() % 12;
  switch (action) {
    case 0:
      ws.Text1.Set(input.ShortText(40));
      break;
    case 1:
      ws.Text1.selStart = input.Number(ws.Text1.text.size());
      ws.Text1.selLength = input.Number(ws.Text1.text.size() - ws.Text1.selStart);
      break;
    case 2:
    case 3:
      RunExerciseAction(ws, input, ui);
      break;
    case 4:
      SearchAndReplaceAction(ws, input, ui);
      break;
    case 5:
      BuildAction(ws, ui);
      break;
    case 6:
    case 7:
      ListAction(input.Byte() % 8, ws, input, ui);
      break;
    case 8: {
      const std::vector<Text>& tasks = TaskSentences();
      const Text before = ws.Text2, &sentence = tasks[input.Byte() % tasks.size()];
      InsertTask(ws.Text2, sentence);
      Check(ws.Text2 == before + U"\r\n" + sentence, "a task sentence was not appended as a new line");
      break;
    }
    case 9:
      ws.Liste3 = input.Flag() ? kModeExtend : kModeReplace;
      break;
    case 10:
      ws.Text1.Set(ws.Text2);
      break;
    default:
      ws.Text2 = ws.Text1.text;
      break;
  }
  if (ws.Text2.size() > kMaxSolution) ws.Text2.clear();
  if (ws.Text1.text.size() > kMaxSolution) ws.Text1.Set(Text());
  Check(ws.Liste2.Count() <= WordList::kMaxEntries && ws.Liste4.size() <= WordList::kMaxEntries,
        "the word list grew over its limit");
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  using namespace tesmoran::fuzz;
  FuzzInput input(data, size);
  FuzzUi ui(input);
  Worksheet ws;
  for (int i = 0; i < kMaxActions && !input.Empty(); ++i) RunAction(ws, input, ui);
  return 0;
}
