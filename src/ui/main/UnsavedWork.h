// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the main window holds anything the user would lose by closing it.
namespace tesmoran {

struct Form1Controls;

// True when the original text, the solution text or the word list is not empty.
bool SomethingToLose(const Form1Controls& controls);

}  // namespace tesmoran
