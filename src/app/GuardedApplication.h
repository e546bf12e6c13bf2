// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's application object: when memory runs out in the middle of
// a step, the step is dropped with a German message instead of ending the
// program, so that the texts in the window stay there to be saved.
#include <QApplication>

namespace tesmoran {

class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

// The message shown, and written on standard error, when memory ran out.
inline constexpr char kOutOfMemoryMessage[] =
    "Der Arbeitsspeicher reicht für diesen Schritt nicht aus; er wurde nicht ausgeführt.";

}  // namespace tesmoran
