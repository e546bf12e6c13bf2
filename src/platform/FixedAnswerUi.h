// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A user who always answers the same: every yes/no question gets the given
// answer (without one, the box's default button), every input box the given
// text; messages are kept in order, and there is no clipboard.  The command
// line answers the exercise frame with it, and the benchmarks use it where
// nobody is there to click.
#include <optional>
#include <utility>
#include <vector>

#include "platform/UiServices.h"

namespace tesmoran {

class FixedAnswerUi : public UiServices {
 public:
  explicit FixedAnswerUi(std::optional<bool> yes = std::nullopt, Text input = Text())
      : yes_(yes), input_(std::move(input)) {}

  int MessageBox(const Text& prompt, int styleValue, const Text&) override {
    if (IsYesNoStyle(styleValue)) return yes_.value_or(!IsSecondButtonDefault(styleValue)) ? kAnswerYes : kAnswerNo;
    messages_.push_back(prompt);
    return kAnswerOk;
  }
  Text InputBox(const Text&, const Text&, const Text&) override { return input_; }
  Text ClipboardText() override { return Text(); }
  void SetClipboardText(const Text&) override {}

  // The prompts of the message boxes shown, in order (questions not).
  const std::vector<Text>& Messages() const { return messages_; }

 private:
  std::optional<bool> yes_;
  Text input_;
  std::vector<Text> messages_;
};

}  // namespace tesmoran
