// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar of the main window.  Every entry does what an icon or button
// of the window does, by clicking that very control: the same command, the
// same boxes, the same undo step.
//   Datei:   Text laden… (Bild5), Lösungstext speichern… (Bild6),
//            Lösungstext drucken (Bild9), Arbeitsblatt gestalten… (Strg+P),
//            Übungsseite erstellen… (Strg+U), Als Audiodatei speichern…,
//            Beenden (Strg+Q, Bild2)
//   Übungen: the twenty exercise buttons, column by column as the grid
//            shows them
//   Vorlesen: filled by the reading aloud's wiring
//   Hilfe:   Hilfe (F1, Bild4), Info (Bild3)
#include <functional>

#include "ui/main/Form1Controls.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tesmoran {

struct Form1MenuBar {
  QMenuBar* bar = nullptr;
  // "Übungen": the exercise buttons.
  QMenu* exercises = nullptr;
  // "Arbeitsblatt gestalten…": runs `designSheet` (given below).
  QAction* designSheet = nullptr;
  // "Übungsseite erstellen…" (Ctrl+U), connected by its window's wiring.
  QAction* practicePage = nullptr;
  // "Als Audiodatei speichern…" and the menu "Vorlesen", connected and
  // filled by the reading aloud's wiring.
  QAction* saveAudio = nullptr;
  QMenu* readAloud = nullptr;
};

// The menu bar of `form` for its controls; "Arbeitsblatt gestalten…" runs
// `designSheet`.
Form1MenuBar BuildForm1MenuBar(QWidget& form, const Form1Controls& controls, std::function<void()> designSheet);

}  // namespace tesmoran
