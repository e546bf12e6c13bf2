// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's remembered settings (per user): the window place, the zoom
// of the text fields and the sheet settings all live in this one store.
#include <QSettings>

namespace tesmoran {

// The settings store of the program, under the organisation and application
// name the program start gives; made on its first use.
QSettings& ProgramSettings();

}  // namespace tesmoran
