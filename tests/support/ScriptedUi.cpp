// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedUi.h"

#include <cstdio>
#include <cstdlib>

#include "text/Utf8.h"

namespace tesmoran::testing {

std::function<void(const std::string&)>& ScriptedUi::FailureHandler() {
  static std::function<void(const std::string&)> handler = [](const std::string& what) {
    std::fprintf(stderr, "ScriptedUi: %s\n", what.c_str());
    std::abort();
  };
  return handler;
}

ScriptedUi::~ScriptedUi() {
  if (!answers_.empty()) {
    Fail(std::to_string(answers_.size()) + " queued answer(s) were never asked for");
  }
}

ScriptedUi& ScriptedUi::AnswerMessage(int answer) {
  answers_.push_back({ShownBox::Kind::kMessage, answer, Text()});
  return *this;
}

ScriptedUi& ScriptedUi::AnswerInput(Text answer) {
  answers_.push_back({ShownBox::Kind::kInput, 0, std::move(answer)});
  return *this;
}

void ScriptedUi::Fail(const std::string& what) const { FailureHandler()(what); }

int ScriptedUi::MessageBox(const Text& prompt, int styleValue, const Text& title) {
  shown_.push_back({ShownBox::Kind::kMessage, prompt, styleValue, title, Text()});
  if (answers_.empty() || answers_.front().kind != ShownBox::Kind::kMessage) {
    Fail("unexpected message box \"" + EncodeUtf8(prompt) + "\" titled \"" + EncodeUtf8(title) + "\"");
    return IsYesNoStyle(styleValue) ? kAnswerNo : kAnswerOk;
  }
  const int answer = answers_.front().button;
  answers_.pop_front();
  return answer;
}

Text ScriptedUi::InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) {
  shown_.push_back({ShownBox::Kind::kInput, prompt, 0, title, defaultAnswer});
  if (answers_.empty() || answers_.front().kind != ShownBox::Kind::kInput) {
    Fail("unexpected input box \"" + EncodeUtf8(prompt) + "\" titled \"" + EncodeUtf8(title) + "\"");
    return Text();
  }
  Text answer = std::move(answers_.front().text);
  answers_.pop_front();
  return answer;
}

}  // namespace tesmoran::testing
