// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/IconHelp.h"

#include <cstring>

namespace tesmoran {

QString GeneralHelpText() {
  return QStringLiteral(
      "Die beiden Textfenster erlauben sämtliche gängigen Textfunktionen wie sie auch von den "
      "Textverarbeitungen her bekannt sind.");
}

const std::vector<IconHelp>& IconHelpTexts() {
  static const std::vector<IconHelp> texts = {
      {"Bild13", "Bild1", 2, 4, QStringLiteral("Löscht den Lösungstext")},
      {"Bild1", "Bild2", 2, 2,
       QStringLiteral("Blendet Liste mit Arbeitsaufträgen ein: Mit Doppelklick wird ein Eintrag in "
                      "das Lösungsfeld übernommen.")},
      {"Bild2", "Bild3", 1, 1, QStringLiteral("Zum Beenden des Programmes")},
      {"Bild6", "Bild4", 3, 1, QStringLiteral("Zum Speichern des Lösungstextes in einer externen Datei.")},
      {"Bild9", "Bild5", 1, 2,
       QStringLiteral("Zum Ausdrucken des Lösungstextes: Hat lediglich Kontrollfunktion, "
                      "Textformatierungen sind nicht möglich.")},
      {"Bild5", "Bild6", 2, 1,
       QStringLiteral("Laden einer vorhandenen Textdatei: Die Endung muss auf '.TXT' lauten.")},
      {"Bild3", "Bild7", 3, 4, QStringLiteral("Blendet Copyright-Vermerk mit Anschrift ein.")},
      {"Bild10", "Bild8", 1, 3,
       QStringLiteral("Zum Suchen und Ersetzen: Gesuchten Begriff im Originaltext markieren und "
                      "dann erst diese Funktion aufrufen.")},
      {"Bild7", "Bild9", 1, 4,
       QStringLiteral("Stellt den Arbeitsmodus ein: Lösungstext ersetzen oder erweitern.")},
      {"Bild8", "Bild10", 3, 2,
       QStringLiteral("Erstellt die Wörterliste: Es muss ein Text im Originalfeld stehen.") +
           QStringLiteral("Beim Erstellen wird eine Sicherung angelegt, die mit 'Reset' wieder "
                          "zurückgeholt werden kann.")},
      {"Bild12", "Bild11", 2, 3, QStringLiteral("Fügt die Ablage in das Originalfeld ein.")},
      {"Bild11", "Bild12", 3, 3, QStringLiteral("Fügt die Ablage in das Lösungsfeld ein.")},
  };
  return texts;
}

QString HelpTextForMainIcon(const char* mainIcon) {
  for (const IconHelp& h : IconHelpTexts()) {
    if (std::strcmp(h.mainIcon, mainIcon) == 0) return h.text;
  }
  return QString();
}

}  // namespace tesmoran
