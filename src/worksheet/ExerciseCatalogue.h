// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twenty exercise buttons: control name, caption, word-list path,
// question and transformations, the button's cell in the main window's grid
// and where the command line may cut a long text, in the order of the
// buttons' names.  The main window makes its exercise buttons from this list.
#include <string_view>
#include <vector>

#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

const std::vector<Exercise>& ExerciseCatalogue();

// The exercise of a button ("Befehl14"), or nullptr.
const Exercise* FindExerciseByButton(std::string_view button);

}  // namespace tesmoran
