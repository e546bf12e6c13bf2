// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window when it is larger than its default size: the two text
// fields and the word list take the extra room; every button keeps its place
// relative to the edge it sits at (the icon column at the left, the exercise
// grid under the solution text, the word-list buttons under the list), and
// the task list stays laid over the original text.
#include <QRect>
#include <QSize>
#include <vector>

#include "ui/main/Form1Controls.h"

class QWidget;

namespace tesmoran {

// The room the controls of the main window need: its default client area.
QSize Form1DefaultArea();

// How the extra room of a larger area is shared out, in pixels.
struct Form1Growth {
  int textWidth = 0;    // the text fields grow wider by this
  int listWidth = 0;    // the word list grows wider by this
  int upperHeight = 0;  // the original text grows taller by this
  int lowerHeight = 0;  // the solution text grows taller by this
};

// The extra room of an area of this size, shared out; nothing for an area
// no larger than the default one.
Form1Growth GrowthFor(QSize area);

// The task list laid over the original text field at `field`: it covers the
// field and reaches a little further down.
QRect TaskListOver(const QRect& field);

// Keeps the controls of the main window in place while the area that holds
// them changes its size.  The default places are taken from the controls as
// they are when this is made.
class Form1Stretch {
 public:
  explicit Form1Stretch(const Form1Controls& controls);

  // Places every control for an area of this size.
  void Apply(QSize area) const;

 private:
  // Which of the shares of Form1Growth moves each edge of a control.
  enum Share { kNone, kHalfText, kText, kAllWidth, kUpper, kAllHeight };
  struct Rule {
    QWidget* control;
    QRect home;  // its place at the default size
    Share left, right, top, bottom;
  };
  static int Offset(Share share, const Form1Growth& growth);

  std::vector<Rule> rules_;
  QWidget* originalText_;
  QWidget* taskList_;
};

// Puts the menu bar over `area`, which holds the controls, and lets the
// controls follow the area's size.  The window's smallest size, and its size
// now, is the default area plus the menu bar.
void FrameForm1(QWidget& form, QWidget& area, QWidget& menuBar, const Form1Controls& controls);

}  // namespace tesmoran
