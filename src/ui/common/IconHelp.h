// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each icon of the main window does, in the words of the help window.
// The help window shows these texts; the main window uses them as tooltips.
#include <QString>
#include <vector>

namespace tesmoran {

struct IconHelp {
  const char* mainIcon;  // main-window icon, e.g. "Bild13"
  const char* helpIcon;  // its counterpart in the help window, e.g. "Bild1"
  int column;            // 1..3 in the help window's grid
  int row;               // 1..4
  QString text;
};

// The help window's general text about the two text fields.
QString GeneralHelpText();

// The twelve explained icons, in the order of the help window's icons.
const std::vector<IconHelp>& IconHelpTexts();

// The help text of a main-window icon; empty for the help icon itself.
QString HelpTextForMainIcon(const char* mainIcon);

}  // namespace tesmoran
