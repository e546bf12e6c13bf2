#pragma once
// The main window's controls: their names, captions, places and looks.
// Places and sizes are in units of 1/1440 inch; 15 units are one pixel of
// Qt's device-independent pixels (96 dpi).
#include <QFont>
#include <QString>
#include <vector>

class QWidget;

namespace tesmoran {

inline constexpr int kUnitsPerPixel = 15;
// The window's outer size, frame and caption bar included.
inline constexpr int kFormWidthUnits = 11270;
inline constexpr int kFormHeightUnits = 8310;
// The room the window system's frame and caption bar take from the outer size.
inline constexpr int kFrameWidthPixels = 8;
inline constexpr int kFrameHeightPixels = 30;
// Height of the working-mode list while it is shown.
inline constexpr int kWorkingModeListHeightUnits = 510;

constexpr int UnitsToPixels(int units) { return (units + kUnitsPerPixel / 2) / kUnitsPerPixel; }

// The client area: the outer size less the frame.
constexpr int ClientWidthPixels() { return UnitsToPixels(kFormWidthUnits) - kFrameWidthPixels; }
constexpr int ClientHeightPixels() { return UnitsToPixels(kFormHeightUnits) - kFrameHeightPixels; }

enum class ControlKind { kTextField, kLabel, kWordList, kTaskList, kModeList, kButton, kIcon, kShape };

struct ControlPlace {
  const char* name;
  ControlKind kind;
  QString caption;
  int left, top, width, height;  // units
};

// Every control of the main window, in tab order (icons, the original text
// group, the solution text group, the exercise buttons row by row, the word
// list group).  Shapes come last; they are drawn behind everything.
const std::vector<ControlPlace>& Form1Controls();

// "Courier New" 12 pt, or a metric-compatible monospace font.
QFont TextFieldFont();
// The plain sans font of buttons, lists and labels.
QFont ControlFont(bool bold = false);

// Creates every control of the table as a child of the form.
void BuildForm1Controls(QWidget& form);

}  // namespace tesmoran
