// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise frame: the fixed sequence in which every exercise button
// reads the worksheet, asks its question, transforms and delivers.
#include <functional>

#include "platform/UiServices.h"
#include "text/Text.h"
#include "worksheet/CutRule.h"
#include "worksheet/Worksheet.h"

namespace tesmoran {

// What the frame may do with the original text and the work text.
enum class TextUse {
  kKeep,     // both stay as the worksheet shows them
  kConsume,  // only the result is wanted (the command line): the whole original text is moved into the work
             // text, and the work text into the solution text, instead of being copied
};

// WorkText := the marked text, or the whole original text.  With an empty
// original text: the message "Kein Originaltext vorhanden." and false.
bool TakeWorkText(Worksheet& ws, UiServices& ui, TextUse use = TextUse::kKeep);

// Drops every character with a code from 0 to 31.
Text StripControlChars(TextView text);
void StripControlChars(Worksheet& ws);

// Strips WorkText and writes it into the solution text: replacing it
// (mode 0) or appended after CR LF (mode 1).
void DeliverWorkText(Worksheet& ws, TextUse use = TextUse::kKeep);

// The user's answer to an exercise's question.
struct Answer {
  bool yes = true;  // answer to a Yes/No question
  Text letters;     // answer of an input box
};

struct Question {
  enum class Kind { kNone, kYesNo, kInput };
  Kind kind = Kind::kNone;
  Text prompt;
  int style = 0;
  Text title;
  // Asked before the work text is taken, on both paths.  Otherwise it is
  // asked right after the work text is taken (text path), or once before the
  // entries are transformed (word-list path).
  bool beforeTake = false;
};

enum class ListPath {
  kTransformEntries,  // every entry of the word list is transformed
  kMessage,           // a message titled with the caption, nothing else
  kTextOnly,          // the exercise ignores the word list
};

// The transformation of the work text.  It receives the work text itself
// (moved, not copied) and may build its result in it.
using TextTransform = std::function<Text(Text, const Answer&)>;
// The transformation of one word-list entry.
using EntryTransform = std::function<Text(const Text&, const Answer&)>;
// The place of an exercise button in the main window's grid of exercise
// buttons, counted from 0 at the top left.
struct GridCell {
  int row = 0;
  int column = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct Exercise {
  const char* button = "";  // control name, e.g. "Befehl1"
  Text caption;             // button caption, e.g. "Großletter"
  ListPath listPath = ListPath::kTransformEntries;
  Text listMessage;  // prompt for ListPath::kMessage
  Question question;
  TextTransform onText;                 // text path
  EntryTransform onEntry;               // one word-list entry
  GridCell cell;                        // where its button sits
  CutRule cutRule = CutRule::kNowhere;  // where the command line may cut a long text
};

// Asks the exercise's question.  False when the exercise is to stop (an
// empty answer of an input box).
bool AskQuestion(const Question& question, UiServices& ui, Answer& answer);

// What one press of an exercise button came to.
enum class ExerciseOutcome {
  kDelivered,     // the solution text received the result, or the word-list entries were rewritten
  kMessageShown,  // a message box stopped the exercise (no original text, a word list it refuses)
  kNothingToDo,   // the answer to its input box was empty: nothing changed
};

// What the frame did on one press, and on what.
struct ExerciseResult {
  ExerciseOutcome outcome = ExerciseOutcome::kDelivered;
  bool onWordList = false;  // it took the word-list path (the selected entries), not the text
};

// Runs one press of an exercise button.
ExerciseResult RunExercise(const Exercise& exercise, Worksheet& ws, UiServices& ui, TextUse use = TextUse::kKeep);

}  // namespace tesmoran
