// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// At start: a recovery file left by a session that did not end normally is
// offered back to the user.
#include <QString>

#include "text/Text.h"

namespace tesmoran {

class Form1;
class UiServices;

inline constexpr TextView kRecoveryQuestion =
    U"Die letzte Sitzung wurde nicht regulär beendet. Die Texte wiederherstellen?";

// When `path` names a file: asks kRecoveryQuestion (Yes default).  Yes puts
// the saved worksheet into the window, No deletes the file.  A damaged file
// is never used: the user is told, and it is moved aside to `path` +
// ".beschaedigt" for a closer look.  Returns true when a worksheet was
// restored.
bool OfferRecovery(Form1& form, UiServices& ui, const QString& path);

}  // namespace tesmoran
