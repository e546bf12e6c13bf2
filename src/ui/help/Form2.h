// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: copies of twelve icons of the main window; a click on one
// of them shows what it does, and five seconds after the last click the
// label returns to the general text.  Not modal; made once and afterwards
// only hidden and shown.  Each event of a control has one handler, named
// after the control and the event.
#include <QWidget>

class QLabel;
class QTimer;

namespace tesmoran {

struct IconHelp;

class Form2 : public QWidget {
  Q_OBJECT
 public:
  // The timer's interval: how long an icon's text stays after its click.
  static constexpr int kHelpTextMilliseconds = 5000;

  explicit Form2(QWidget* parent = nullptr);

  // Shows the window, not modal, and brings it to the front.
  void ShowHelp();

  // A click on one of the help icons Bild1 to Bild12: the five seconds
  // start anew and the label shows the icon's text.
  void BildClick(const IconHelp& help);
  // The timer fired: it stops and the label shows the general text again.
  void Zeit1Timer();
  // "F e r t i g": stops the timer and hides the window; the label keeps
  // its text.
  void Befehl1Click();

 private:
  QLabel* label_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace tesmoran
