// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu "Vorlesen" of the main window:
//   Originaltext vorlesen (F5), Lösungstext vorlesen, Silbenweise vorlesen,
//   Anhalten (Esc, only while reading), Sprechtempo ▸ (80 to 250 words a
//   minute; the choice is kept between runs).
// Without a voice or a sound output the reading entries are greyed out, and
// their tooltip says why.
#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QSettings;

namespace tesmoran {

struct ReadAloudMenu {
  QAction* original = nullptr;
  QAction* solution = nullptr;
  QAction* bySyllables = nullptr;
  QAction* stop = nullptr;
  QActionGroup* tempo = nullptr;

  // The Sprechtempo chosen, in words a minute.
  int WordsPerMinute() const;
  // Greys out the reading entries with `why` as their tooltip; an empty
  // reason makes them usable again.
  void SetUnavailable(const QString& why) const;
};

// The Sprechtempo choices, slowest first; the default is the slow 120.
inline constexpr int kTempoChoices[] = {80, 100, 120, 150, 180, 220, 250};

ReadAloudMenu FillReadAloudMenu(QMenu& menu, QSettings& store);

}  // namespace tesmoran
