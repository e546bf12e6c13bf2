// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The icons of the program: the main window's icon column, its copies in the
// help window and the picture of the about window all come from here.
#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

namespace tesmoran {

// The picture of a main-window icon ("Bild8").  Throws std::logic_error
// when the program carries no picture of that name.
QIcon IconPicture(const char* icon);

// A flat button `sideUnits` square (1/1440 inch) that shows the picture of
// `icon`; `description` is what it tells screen readers.  Its place is left
// to the caller.
QToolButton* MakeIconButton(QWidget& parent, const char* icon, int sideUnits, const QString& description);

}  // namespace tesmoran
