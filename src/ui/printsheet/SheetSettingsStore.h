// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping the sheet settings between runs.
#include <QSettings>

#include "printsheet/SheetSettings.h"

namespace tesmoran {

// The stored settings; missing or broken values take their defaults, and
// numbers outside their range are brought into it.
SheetSettings LoadSheetSettings(QSettings& store);
void SaveSheetSettings(QSettings& store, const SheetSettings& settings);

}  // namespace tesmoran
