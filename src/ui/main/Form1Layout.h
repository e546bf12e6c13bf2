// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls: their places, sizes and looks.  Places and
// sizes are in units of 1/1440 inch (ui/common/Units.h).
#include <string_view>
#include <vector>

#include "ui/main/Form1Controls.h"
#include "ui/common/Units.h"
#include "worksheet/ExerciseFrame.h"

class QWidget;

namespace tesmoran {

// The window's outer size, frame and caption bar included.
inline constexpr int kFormWidthUnits = 11270;
inline constexpr int kFormHeightUnits = 8310;
// Height of the working-mode list while it is shown.
inline constexpr int kWorkingModeListHeightUnits = 510;
// The grid of exercise buttons under the solution text.
inline constexpr int kExerciseGridRows = 4;
inline constexpr int kExerciseGridColumns = 5;

// The client area: the outer size less the frame.
constexpr int ClientWidthPixels() { return UnitsToPixels(kFormWidthUnits) - kFrameWidthPixels; }
constexpr int ClientHeightPixels() { return UnitsToPixels(kFormHeightUnits) - kFrameHeightPixels; }

// Creates every control of the main window as a child of the form, in tab
// order (icons, the original text group, the solution text group, the
// exercise buttons row by row, the word list group), each named, placed and
// coloured; the frames lie behind everything.  There is one exercise button
// for each entry of the catalogue, named by the entry and placed in its grid
// cell.  Captions are left to CaptionForm1Controls.  Throws
// std::logic_error naming the entry's button when an entry has no button
// name, the name of another control or of an earlier entry, or a cell
// outside the grid or taken by an earlier entry.
Form1Controls BuildForm1Controls(QWidget& form, const std::vector<Exercise>& catalogue);

// The button of the main window that carries this name; nullptr when no
// button does.
QPushButton* ButtonNamed(const Form1Controls& controls, std::string_view name);

// Every button of the main window, in tab order.
std::vector<QPushButton*> AllButtons(const Form1Controls& controls);

}  // namespace tesmoran
