// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskCatalogue.h"

namespace tesmoran {

const std::vector<Text>& TaskSentences() {
  static const std::vector<Text> sentences = {
      U"Schreibe den Text richtig in dein Heft!",
      U"Schreibe den Text in der Gegenwart!",
      U"Schreibe den Text in der Vergangenheit!",
      U"Schreibe den Text in der Ich/Er-Form ab!",
      U"Schreibe den Text mit anderen Worten ab!",
      U"Schreibe den Text mit anderen Namen ab!",
      U"Schreibe den Text gekürzt in dein Heft!",
      U"Schreibe den Text umgestellt in dein Heft!",
      U"Schreibe die Sätze als Fragesätze!",
      U"Schreibe die Sätze als Erzählsätze!",
      U"Schreibe die Sätze als Ausrufesätze!",
      U"Schreibe zu dem Text einen anderen Anfang/Schluss!",
      U"Unterstreiche im Text alle Satzglieder!",
      U"Unterstreiche die bekannten Wortarten farbig!",
      U"Unterstreiche im Text alle wörtlichen Reden!",
      U"Zähle alle Wörter: Es sind ___ Wörter!",
      U"Zähle alle Namenwörter: Es sind ___ Wörter!",
      U"Zähle alle Tunwörter: Es sind ___ Wörter!",
      U"Zähle alle Eigenschaftswörter: Es sind ___ Wörter!",
      U"Zähle alle Wiewörter: Es sind ___ Wörter!",
      U"Zähle alle Wörter mit ___ ab: Es sind ___ Wörter!",
      U"Zähle alle __-Buchstaben: Es sind ___ Buchstaben!",
      U"Auf welcher Seite stehen die Wörter im Wörterbuch?",
      U"Ordne die Wörter nach dem ABC!",
      U"Ordne die Wörter nach der Silbenzahl!",
      U"Ordne die Wörter nach der Wortlänge!",
      U"Ordne die Wörter nach der Wortart!",
      U"Schreibe alle Namenwörter mit ihrem Begleiter!",
      U"Schreibe alle Namenwörter mit ihrem Fürwort!",
      U"Schreibe die Einzahl und Mehrzahl der Namenwörter!",
      U"Schreibe alle Tunwörter in der Grundform!",
      U"Schreibe alle Tunwörter in der Gegenwart!",
      U"Schreibe alle Tunwörter in der Vergangenheit!",
      U"Schreibe alle Tunwörter in der Ich-Form/Er-Form!",
      U"Schreibe zu jedem Tunwort eine Vorsilbe dazu!",
      U"Schreibe die Eigenschaftswörter und steigere sie!",
      U"Schreibe die Wiewörter mit ihren Steigerungsstufen!",
      U"Schreibe alle zusammengesetzten Wörter ab!",
      U"Schreibe alle zusammengesetzten Wörter zerlegt ab!",
      U"Schreibe die Wörter ab / aufbauend in dein Heft!",
      U"Schreibe die Wörter nach Silben getrennt!",
      U"Schreibe alle Wörter mit ___ Silben!",
      U"Schreibe alle Wörter mit ___ Buchstaben!",
      U"Schreibe alle Wörter mit ___ ab!",
      U"Schreibe zu jedem Wort die fehlenden Wortarten!",
      U"Schreibe zu jedem Wort ___ Reimwörter dazu!",
      U"Schreibe ___ Wörter aus dem Wortfeld dazu!",
      U"Schreibe ___ Wörter aus der Wortfamilie dazu!",
  };
  return sentences;
}

void InsertTask(Text& solution, const Text& sentence) {
  Text result;
  result.reserve(solution.size() + kCrLf.size() + sentence.size());
  result.append(solution).append(kCrLf).append(sentence);
  solution = std::move(result);
}

}  // namespace tesmoran
