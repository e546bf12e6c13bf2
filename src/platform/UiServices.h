// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-interface services that the program's logic calls: message box,
// input box and clipboard.  The windows provide the real ones; tests provide
// a scripted stand-in.
#include "text/Text.h"

namespace tesmoran {

// Message box styles (buttons, icon and default button).
namespace style {
inline constexpr int kOk = 0;                        // OK, no icon
inline constexpr int kYesNo = 4;                     // Yes/No, no icon
inline constexpr int kOkStop = 16;                   // OK, stop icon
inline constexpr int kYesNoQuestion = 36;            // Yes/No, question icon
inline constexpr int kOkExclamation = 48;            // OK, exclamation icon
inline constexpr int kYesNoStopDefaultNo = 276;      // Yes/No, stop icon, No default
inline constexpr int kYesNoQuestionDefaultNo = 292;  // Yes/No, question icon, No default
}  // namespace style

// Answers of a message box.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// True for the styles whose box offers Yes and No.
constexpr bool IsYesNoStyle(int styleValue) { return (styleValue & 0xF) == 4; }
// True when the style makes the second button the default.
constexpr bool IsSecondButtonDefault(int styleValue) { return (styleValue & 0x100) != 0; }

class UiServices {
 public:
  virtual ~UiServices() = default;

  // Modal; the prompt's CR, LF, CR LF and LF CR are shown as line breaks.
  // Returns kAnswerYes / kAnswerNo, or kAnswerOk for the one-button styles.
  virtual int MessageBox(const Text& prompt, int styleValue, const Text& title) = 0;

  // Modal; returns the typed text, or the empty text when cancelled.
  virtual Text InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) = 0;

  // The clipboard's text, empty when it holds no text.
  virtual Text ClipboardText() = 0;
  virtual void SetClipboardText(const Text& text) = 0;
};

}  // namespace tesmoran
