// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

namespace {

// ListTarget := 1 when at least one word-list entry is selected.
void ComputeListTarget(Worksheet& ws) {
  ws.ListTarget = ws.Liste2.AnySelected() ? 1 : 0;
}

}  // namespace

bool TakeWorkText(Worksheet& ws, UiServices& ui, TextUse use) {
  if (ws.Text1.text.empty()) {
    ui.MessageBox(U"Kein Originaltext vorhanden.\r", style::kOk, U"Textfehler");
    return false;
  }
  Text marked = ws.Text1.Marked();
  if (!marked.empty()) {
    ws.WorkText = std::move(marked);
  } else if (use == TextUse::kConsume) {
    ws.WorkText = std::move(ws.Text1.text);
    ws.Text1.Set(Text());
  } else {
    ws.WorkText = ws.Text1.text;
  }
  return true;
}

Text StripControlChars(TextView text) {
  Text kept;
  kept.reserve(text.size());
  for (Char c : text) {
    if (!IsControlChar(c)) kept.push_back(c);
  }
  return kept;
}

// In place: the work text can be as long as the whole original text.
void StripControlChars(Worksheet& ws) {
  std::erase_if(ws.WorkText, [](Char c) { return IsControlChar(c); });
}

void DeliverWorkText(Worksheet& ws, TextUse use) {
  StripControlChars(ws);
  if (ws.Liste3 == kModeExtend) {
    Text result;
    result.reserve(ws.Text2.size() + 2 + ws.WorkText.size());
    result.append(ws.Text2).append(kCrLf).append(ws.WorkText);
    ws.Text2 = std::move(result);
  } else if (use == TextUse::kConsume) {
    ws.Text2 = std::move(ws.WorkText);
    ws.WorkText.clear();
  } else {
    ws.Text2 = ws.WorkText;
  }
}

bool AskQuestion(const Question& question, UiServices& ui, Answer& answer) {
  switch (question.kind) {
    case Question::Kind::kNone:
      return true;
    case Question::Kind::kYesNo:
      answer.yes = ui.MessageBox(question.prompt, question.style, question.title) == kAnswerYes;
      return true;
    case Question::Kind::kInput:
      answer.letters = ui.InputBox(question.prompt, question.title, Text());
      return !answer.letters.empty();
  }
  return true;
}

ExerciseResult RunExercise(const Exercise& exercise, Worksheet& ws, UiServices& ui, TextUse use) {
  ComputeListTarget(ws);
  const bool onList = ws.ListTarget == 1 && exercise.listPath != ListPath::kTextOnly;
  const auto result = [onList](ExerciseOutcome outcome) { return ExerciseResult{outcome, onList}; };
  if (onList && exercise.listPath == ListPath::kMessage) {
    ui.MessageBox(exercise.listMessage, style::kOk, exercise.caption);
    return result(ExerciseOutcome::kMessageShown);
  }

  Answer answer;
  const Question& question = exercise.question;
  if (question.beforeTake && !AskQuestion(question, ui, answer)) return result(ExerciseOutcome::kNothingToDo);

  if (onList) {
    if (!question.beforeTake && !AskQuestion(question, ui, answer)) return result(ExerciseOutcome::kNothingToDo);
    const std::size_t count = ws.Liste2.Count();
    for (std::size_t i = 0; i < count; ++i) {
      ws.Liste2.SetEntryText(i, exercise.onEntry(ws.Liste2.EntryText(i), answer));
    }
    return result(ExerciseOutcome::kDelivered);
  }

  if (!TakeWorkText(ws, ui, use)) return result(ExerciseOutcome::kMessageShown);
  if (!question.beforeTake && !AskQuestion(question, ui, answer)) return result(ExerciseOutcome::kNothingToDo);
  ws.WorkText = exercise.onText(std::move(ws.WorkText), answer);
  DeliverWorkText(ws, use);
  return result(ExerciseOutcome::kDelivered);
}

}  // namespace tesmoran
