// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the user-interface services in tests: it records every box
// that appears and answers from a queue.  A box that appears while no answer
// of its kind is queued is a test failure, reported through the handler.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

namespace tesmoran::testing {

struct ShownBox {
  enum class Kind { kMessage, kInput };
  Kind kind = Kind::kMessage;
  Text prompt;
  int style = 0;  // message boxes only
  Text title;
  Text defaultAnswer;  // input boxes only
};

class ScriptedUi : public UiServices {
 public:
  // Called with a description of every unexpected box.  The test frameworks
  // install their own (GTestMain.cpp, QtTestSupport.cpp); the default one aborts.
  static std::function<void(const std::string&)>& FailureHandler();

  ~ScriptedUi() override;

  // Queues the answer of the next message box (kAnswerOk, kAnswerYes, kAnswerNo).
  ScriptedUi& AnswerMessage(int answer = kAnswerOk);
  // Queues the answer of the next input box (empty = cancelled).
  ScriptedUi& AnswerInput(Text answer);

  int MessageBox(const Text& prompt, int styleValue, const Text& title) override;
  Text InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) override;
  Text ClipboardText() override { return clipboard; }
  void SetClipboardText(const Text& text) override { clipboard = text; }

  const std::vector<ShownBox>& Shown() const { return shown_; }
  // Answers queued but not used yet.
  std::size_t Pending() const { return answers_.size(); }

  Text clipboard;

 private:
  struct QueuedAnswer {
    ShownBox::Kind kind;
    int button;
    Text text;
  };
  void Fail(const std::string& what) const;

  std::deque<QueuedAnswer> answers_;
  std::vector<ShownBox> shown_;
};

}  // namespace tesmoran::testing
