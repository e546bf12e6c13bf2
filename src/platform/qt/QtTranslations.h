// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's own texts in German: standard buttons ("Ja", "Nein", "OK",
// "Abbrechen"), the text fields' context menus and the standard dialogues.
class QCoreApplication;

namespace tesmoran {

// Makes German the default language and installs the toolkit's German
// translations into the application.  False when they are not installed on
// this system (the toolkit then shows its built-in English texts).
bool InstallGermanTranslations(QCoreApplication& app);

}  // namespace tesmoran
