// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the sub-commands of tesmoran-cli.
#include <ostream>

#include "app/cli/CliCommand.h"
#include "app/cli/CliSheetOptions.h"

namespace tesmoran {

void CliContext::Error(std::string_view message) const { err << name << ": " << message << '\n'; }

OptionSpec TextOption() { return {"--text", true, "", ""}; }

OptionSpec EncodingOption() {
  return {"--encoding", true, "utf-8|utf8|UTF-8|cp1252|windows-1252|CP1252", "utf-8 oder cp1252"};
}

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"wortliste", "[--text TEXT] [--encoding utf-8|cp1252]",
       "gibt die verschiedenen Wörter des Textes aus, eines je Zeile",
       "  Sammelt die verschiedenen Wörter des Textes (--text oder Standardeingabe) wie das\n"
       "  Wörterlisten-Symbol in eine leere Liste und gibt sie aus, eines je Zeile; die Zahl\n"
       "  der neuen Wörter steht auf der Standardfehlerausgabe.\n",
       {TextOption(), EncodingOption()}, RunWordListCommand},
      {"ersetzen", "--search S --replacement A [--text TEXT] [--encoding utf-8|cp1252]",
       "ersetzt jedes S durch A und gibt das Ergebnis aus",
       "  Ersetzt jedes S im Text (--text oder Standardeingabe) durch A und gibt das Ergebnis\n"
       "  als eine Zeile aus, so wie es der Lösungstext bekommt.\n",
       {{"--search", true, "", ""}, {"--replacement", true, "", ""}, TextOption(), EncodingOption()},
       RunReplaceCommand},
      {"silben", "[--schreibsilben] [--ausnahmen DATEI] [--text TEXT] [--words] [--encoding utf-8|cp1252]",
       "trennt die Wörter des Textes in Silben (Silben trennen)",
       "  Schreibt den Text (--text oder Standardeingabe) mit Bindestrichen zwischen den\n"
       "  Sprechsilben, so wie ihn der Lösungstext bekommt: „Oma liest am Abend.“ wird zu\n"
       "  „O-ma liest am A-bend.“. --schreibsilben trennt nur, wo eine Zeile brechen darf;\n"
       "  --ausnahmen DATEI liest eigene Trennungen (UTF-8, ein Wort je Zeile mit\n"
       "  Bindestrichen); --words behandelt jede Zeile als Eintrag der Wörterliste.\n",
       {{"--schreibsilben", false, "", ""}, {"--ausnahmen", true, "", ""}, {"--words", false, "", ""},
        TextOption(), EncodingOption()},
       RunSyllablesCommand},
      {"arbeitsblatt", SheetSynopsis(), "schreibt das gedruckte Arbeitsblatt des Textes als PDF-Datei",
       SheetHelp(), SheetOptions(), RunSheetCommand},
      {"uebungsseite",
       "--html DATEI [--uebung NAME]... [--stufe leicht|mittel|schwer|alle] [--titel T]\n"
       "    [--ohne-loesung] [--silben] [--vorlesen] [--text T] [--encoding utf-8|cp1252]",
       "schreibt eine Übungsseite zum Üben und Prüfen am Bildschirm (HTML)",
       "  Schreibt die Übungen (--uebung NAME, mehrmals möglich; ohne: Lückentext) zum Text\n"
       "  (--text oder Standardeingabe) als eine HTML-Datei, die ohne Netz in jedem Browser läuft:\n"
       "  eintippen, Wörter trennen oder ordnen, „Prüfen“, „Nochmal“, „Lösung zeigen“, „Vorlesen“.\n"
       "  --stufe leicht (Vorgabe: Wörterkasten, Silbenfarben, Tipps), mittel (Tipps), schwer;\n"
       "  alle schreibt DATEI-leicht, DATEI-mittel und DATEI-schwer. --ohne-loesung lässt\n"
       "  „Lösung zeigen“ weg, --silben färbt die Silben auf jeder Stufe. --vorlesen spricht jeden\n"
       "  Satz mit der deutschen Stimme von espeak-ng in die Seite (Opus, etwa 1 KB je Sekunde),\n"
       "  so dass „Vorlesen“ auch in Browsern ohne eigene Sprachausgabe geht.\n",
       {{"--html", true, "", ""}, {"--uebung", true, "", ""},
        {"--stufe", true, "leicht|mittel|schwer|alle", "leicht, mittel, schwer oder alle"},
        {"--titel", true, "", ""}, {"--ohne-loesung", false, "", ""}, {"--silben", false, "", ""},
        {"--vorlesen", false, "", ""}, TextOption(), EncodingOption()},
       RunPracticePageCommand},
      {"vorlesen",
       "[--wav DATEI] [--opus DATEI] [--tempo N] [--silbenweise] [--text T]\n"
       "    [--encoding utf-8|cp1252]",
       "liest den Text mit der deutschen Stimme vor und schreibt ihn als WAV- oder Opus-Datei",
       "  Spricht den Text (--text oder Standardeingabe) mit der deutschen Stimme von espeak-ng\n"
       "  und schreibt ihn mit --wav DATEI als WAV-Datei (16 bit, mono), mit --opus DATEI als\n"
       "  Ogg-Opus-Datei (mono, 24 kbit/s, etwa ein Fünfzehntel so groß); eine der beiden ist\n"
       "  nötig, beide gehen auch. --tempo N ist das Sprechtempo in Wörtern je Minute, von 80\n"
       "  bis 250 (Vorgabe: 120); --silbenweise spricht jedes Wort in seinen Sprechsilben, mit\n"
       "  einer kurzen Pause dazwischen. Ohne das Debian-Paket espeak-ng-data wird nichts\n"
       "  geschrieben.\n",
       {{"--wav", true, "", ""}, {"--opus", true, "", ""}, {"--tempo", true, "", ""}, {"--silbenweise", false, "", ""},
        TextOption(), EncodingOption()},
       RunReadAloudCommand},
  };
  return commands;
}

}  // namespace tesmoran
