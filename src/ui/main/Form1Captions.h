// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The captions of the main window's labels and buttons.  The exercise
// buttons take theirs from their entries of the exercise catalogue; a button
// left without a caption or given two stops the program at its start.
#include <QString>
#include <utility>
#include <vector>

#include "ui/main/Form1Controls.h"

namespace tesmoran {

// Every button of the window with its caption.  Throws std::logic_error
// naming the button when a button is given two captions, or when one is
// left without a caption.
std::vector<std::pair<QPushButton*, QString>> ButtonCaptions(const Form1Controls& controls);

// Puts the captions on the window's labels and buttons.
void CaptionForm1Controls(const Form1Controls& controls);

}  // namespace tesmoran
