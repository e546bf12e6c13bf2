// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command of the windows: one piece of logic run on the main window's
// worksheet with the services it may call.  Buttons, icons, lists and the
// file window all hand their work to the main window in this form.
#include <functional>

#include "platform/UiServices.h"
#include "worksheet/Worksheet.h"

namespace tesmoran {

using Command = std::function<void(Worksheet&, UiServices&)>;

}  // namespace tesmoran
