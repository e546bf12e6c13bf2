// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise, chosen by the first byte, on a text and on a word list,
// directly and through the exercise frame in both working modes.  Checked:
// the length-keeping exercises keep the number of characters, the case
// exercises give the same text when run again, the reversals run twice give
// the text back, the word delimiters stay in place where the exercise keeps
// them, and the frame writes the same result in both modes.
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "worksheet/ExerciseCatalogue.h"
#include "exercises/CharacterSets.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran::fuzz {
namespace {

bool Among(std::string_view button, std::initializer_list<std::string_view> buttons) {
  for (std::string_view b : buttons) {
    if (b == button) return true;
  }
  return false;
}

// Exercises whose text form keeps the number of characters.
bool KeepsLength(std::string_view b) {
  return Among(b, {"Befehl1", "Befehl2", "Befehl3", "Befehl5", "Befehl9", "Befehl13", "Befehl14", "Befehl15",
                   "Befehl29", "Befehl31"});
}
// Exercises whose word-list form keeps the number of characters of an entry.
bool KeepsEntryLength(std::string_view b) {
  return Among(b, {"Befehl1", "Befehl2", "Befehl8", "Befehl9", "Befehl13", "Befehl14", "Befehl15"});
}
bool IsCaseExercise(std::string_view b) { return Among(b, {"Befehl1", "Befehl2"}); }
// "Rückwärtssatz" is not among them: its sentence ends move, so a second run
// cuts the text into other sentences.
bool IsReversal(std::string_view b) { return Among(b, {"Befehl3", "Befehl5"}); }
// Exercises that leave every word delimiter where it stands and make none.
bool KeepsDelimiters(std::string_view b) {
  return Among(b, {"Befehl1", "Befehl2", "Befehl5", "Befehl9", "Befehl13", "Befehl14", "Befehl15"});
}

void CheckTextForm(const Exercise& e, const Text& text, const Answer& answer) {
  const std::string_view b = e.button;
  const Text out = e.onText(text, answer);
  if (KeepsLength(b)) Check(out.size() == text.size(), "length changed", text);
  if (IsCaseExercise(b)) Check(e.onText(out, answer) == out, "case exercise changes its own result", text);
  if (IsReversal(b)) Check(e.onText(out, answer) == text, "reversing twice does not give the text back", text);
  if (KeepsDelimiters(b)) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool wasDelimiter = IsWordDelimiter(text[i]);
      Check(wasDelimiter ? out[i] == text[i] : !IsWordDelimiter(out[i]), "word delimiter moved", text);
    }
  }
  if (b == std::string_view("Befehl31")) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool chosen = answer.letters.find(text[i]) != Text::npos;
      Check(out[i] == (chosen ? U'_' : text[i]), "chosen letter kept or other character changed", text);
    }
  }
}

void CheckEntryForm(const Exercise& e, const std::vector<Text>& entries, const Answer& answer) {
  if (e.listPath != ListPath::kTransformEntries) return;
  for (const Text& entry : entries) {
    const Text out = e.onEntry(entry, answer);
    if (KeepsEntryLength(e.button)) Check(out.size() == entry.size(), "entry length changed", entry);
    if (IsCaseExercise(e.button)) Check(e.onEntry(out, answer) == out, "case exercise changes its entry", entry);
  }
}

// Runs the frame on a copy of the worksheet in the given mode; the user's
// answers come from the same bytes for both modes.
Worksheet RunFramed(const Exercise& e, const Worksheet& start, int mode, std::string_view answers,
                    ExerciseOutcome& outcome) {
  Worksheet ws = start;
  ws.Liste3 = mode;
  FuzzInput answerInput(reinterpret_cast<const std::uint8_t*>(answers.data()), answers.size());
  FuzzUi ui(answerInput);
  outcome = RunExercise(e, ws, ui).outcome;
  Check(ws.Text1.text == start.Text1.text && ws.Text1.selStart == start.Text1.selStart &&
            ws.Text1.selLength == start.Text1.selLength,
        "the frame changed the original text", start.Text1.text);
  Check(ws.Liste2.Count() == start.Liste2.Count(), "the frame changed the number of entries");
  return ws;
}

void CheckFrame(const Exercise& e, const Worksheet& start, std::string_view answers) {
  ExerciseOutcome replacedOutcome{}, extendedOutcome{};
  const Worksheet replaced = RunFramed(e, start, kModeReplace, answers, replacedOutcome);
  const Worksheet extended = RunFramed(e, start, kModeExtend, answers, extendedOutcome);
  Check(replacedOutcome == extendedOutcome, "the modes end the exercise differently");
  const bool onList = start.Liste2.AnySelected() && e.listPath != ListPath::kTextOnly;
  if (onList || replacedOutcome != ExerciseOutcome::kDelivered) {
    Check(replaced.Text2 == start.Text2 && extended.Text2 == start.Text2,
          "the solution text changed without a delivery");
    return;
  }
  for (Char c : replaced.Text2) Check(!IsControlChar(c), "control character delivered", replaced.Text2);
  if (std::string_view(e.button) == "Befehl9") return;  // the shuffle draws anew in the second run
  Check(extended.Text2 == start.Text2 + U"\r\n" + replaced.Text2, "the modes deliver different results",
        replaced.Text2);
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  using namespace tesmoran::fuzz;
  FuzzInput input(data, size);
  const std::vector<Exercise>& catalogue = ExerciseCatalogue();
  const Exercise& e = catalogue[input.Byte() % catalogue.size()];
  Answer answer;
  answer.yes = input.Flag();
  answer.letters = input.ShortText(4);

  Worksheet ws;
  ws.Text2 = input.ShortText(4);
  const std::size_t entryCount = input.Number(5);
  std::vector<Text> entries;
  for (std::size_t i = 0; i < entryCount; ++i) {
    entries.push_back(input.ShortText(10));
    ws.Liste2.Append(entries.back());
    ws.Liste2.SetSelected(i, input.Flag());
  }
  std::uint8_t answerBytes[4] = {input.Byte(), input.Byte(), input.Byte(), input.Byte()};
  const std::size_t selStart = input.Number(64), selLength = input.Number(64);
  const Text text = input.RestText();
  ws.Text1.text = text;
  ws.Text1.selStart = selStart;
  ws.Text1.selLength = selLength;

  CheckTextForm(e, text, answer);
  CheckEntryForm(e, entries, answer);
  CheckFrame(e, ws, std::string_view(reinterpret_cast<const char*>(answerBytes), sizeof answerBytes));
  return 0;
}
