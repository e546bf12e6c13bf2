// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls are connected to the logic subsystem by
// subsystem; each function lives beside the windows of its subsystem.
#include <memory>

#include "platform/UiServices.h"
#include "syllables/Syllabifier.h"

class QAction;
class QMenu;

namespace tesmoran {

class Form1;
class SyllableEngineLoader;

void WireWordList(Form1& form);        // Bild8 and the seven word-list buttons
void WireTasksAndSearch(Form1& form);  // Bild1 / Liste1 and Bild10
void WireHelpAndAbout(Form1& form);    // Bild4 and Bild3
void WireFiles(Form1& form);           // Bild5, Bild6 and Bild9
// "Silben trennen": Ctrl+T in the menu bar's exercise menu `exercises` (a
// window-wide shortcut without it) and the text fields' context menus.
void WireSyllables(Form1& form, QMenu* exercises);
// "Übungsseite erstellen…": the menu entry `open` opens the practice page's window.
void WirePractice(Form1& form, QAction* open);
// "Vorlesen": fills the menu `readAloud` and connects "Als Audiodatei
// speichern…" (`saveAudio`).
void WireReadAloud(Form1& form, QMenu* readAloud, QAction* saveAudio);

// The syllable engine of a ready loader with the user's exception list;
// null (after a message) when the pattern file is missing.
std::shared_ptr<const Syllabifier> UserSyllabifier(const SyllableEngineLoader& engine, UiServices& ui);

}  // namespace tesmoran
