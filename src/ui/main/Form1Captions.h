// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The captions of the main window's labels and buttons.  The exercise
// buttons take theirs from the exercise catalogue; the catalogue names its
// buttons, and a name that fits no button of the window, or a button left
// without a caption or given two, stops the program at its start.
#include <QString>
#include <utility>
#include <vector>

#include "ui/main/Form1Controls.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

// Each exercise of the catalogue with the button that runs it.  Throws
// std::logic_error naming the first exercise whose button the window lacks.
std::vector<std::pair<QPushButton*, const Exercise*>> ExerciseButtons(const Form1Controls& controls,
                                                                      const std::vector<Exercise>& catalogue);

// Every button of the window with its caption.  Throws std::logic_error
// naming the button when an exercise names no button of the window, when a
// button is given two captions, or when one is left without a caption.
std::vector<std::pair<QPushButton*, QString>> ButtonCaptions(const Form1Controls& controls,
                                                            const std::vector<Exercise>& catalogue);

// Puts the captions on the window's labels and buttons.
void CaptionForm1Controls(const Form1Controls& controls, const std::vector<Exercise>& catalogue);

}  // namespace tesmoran
