// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-interface services on Qt: real message boxes, input boxes and the
// system clipboard.
#include <QString>

#include "platform/UiServices.h"

class QWidget;
class QMessageBox;

namespace tesmoran {

class QtUiServices : public UiServices {
 public:
  explicit QtUiServices(QWidget* parent = nullptr) : parent_(parent) {}

  int MessageBox(const Text& prompt, int styleValue, const Text& title) override;
  Text InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) override;
  Text ClipboardText() override;
  void SetClipboardText(const Text& text) override;

  // Builds the box that MessageBox shows (buttons, icon, default button),
  // so that it can be inspected without running it.
  static QMessageBox* BuildMessageBox(const Text& prompt, int styleValue, const Text& title,
                                      QWidget* parent);
  // The prompt's CR, LF, CR LF and LF CR as line breaks.
  static QString PromptLines(const Text& prompt);

 private:
  QWidget* parent_;
};

}  // namespace tesmoran
