// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliHelp.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "app/cli/CliExerciseNames.h"
#include "app/cli/CliExitCode.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

constexpr std::string_view kProgram = "tesmoran-cli";

constexpr std::string_view kExerciseHelp =
    "\n"
    "Optionen einer Übung:\n"
    "  --text TEXT        der Originaltext; ohne die Option die ganze Standardeingabe, Byte für\n"
    "                     Byte (ein abschließender Zeilenumbruch gehört zum Text, eine\n"
    "                     UTF-8-Byte-Order-Mark am Anfang nicht)\n"
    "  --answer yes|no    beantwortet die Ja/Nein-Frage der Übung (auch ja|nein); ohne die\n"
    "                     Option gilt die Vorgabe der Frage (bei allen: Ja)\n"
    "  --letters ZEICHEN  die Zeichen, die „Buchstaben“ durch „_“ ersetzt; ohne die\n"
    "                     Option wird nichts geschrieben (Rückgabewert 1)\n"
    "  --words            Wörterlisten-Form: jede Eingabezeile ist ein Eintrag (eine Zeile endet\n"
    "                     mit LF oder CR LF, ein einzelnes CR bleibt im Eintrag, ein Zeilenende\n"
    "                     ganz am Schluss öffnet keinen leeren Eintrag); jeder Eintrag wird\n"
    "                     umgeformt in einer eigenen Zeile ausgegeben.  Übungen, die die\n"
    "                     Wörterliste ablehnen, geben ihre Meldung auf der Standardfehlerausgabe\n"
    "                     aus (Rückgabewert 1); „Umkehrwort“ und „Buchstaben“ haben keine\n"
    "                     Wörterlisten-Form (Rückgabewert 1).\n"
    "  --encoding E       utf-8 (Vorgabe) oder cp1252, für den Text, --letters und die Ausgabe\n"
    "  Eine Option mit Wert geht auch als --option=WERT.\n"
    "\n"
    "Ausgabe: das Ergebnis, wie es der Lösungstext bekommt (Steuerzeichen wie CR, LF und Tab\n"
    "entfernt), gefolgt von einem Zeilenumbruch.\n"
    "Rückgabewerte: 0 erledigt; 1 nichts geschrieben (leerer Text, eine Meldung der Übung,\n"
    "fehlende Zeichen, Eingabe ungültig in der Kodierung); 2 falscher Aufruf (unbekannte Übung\n"
    "oder Option, fehlender oder unpassender Wert).\n";

void PrintUsageLines(std::ostream& out) {
  out << "Aufruf: " << kProgram << ' ' << kExerciseSynopsis << '\n';
  for (const CliCommand& command : CliCommands()) {
    out << "        " << kProgram << ' ' << command.name << ' ' << command.synopsis << '\n';
  }
  out << "        " << kProgram << " --help\n";
}

}  // namespace

void PrintHelp(std::ostream& out) {
  PrintUsageLines(out);
  out << "\nFührt eine Übung von TESMORAN auf einem deutschen Text aus.\n\nÜbungen:\n";
  for (const Exercise& e : ExerciseCatalogue()) {
    std::string name = AsciiName(e.caption);
    name.resize(18, ' ');
    out << "  " << name << EncodeUtf8(e.caption);
    if (e.question.kind == Question::Kind::kYesNo) {
      out << "  (--answer: " << EncodeUtf8(e.question.prompt.substr(0, e.question.prompt.find(U'?') + 1)) << ")";
    } else if (e.question.kind == Question::Kind::kInput) {
      out << "  (--letters)";
    }
    out << '\n';
  }
  out << kExerciseHelp << "\nUnterbefehle (Hilfe mit " << kProgram << " UNTERBEFEHL --help):\n";
  // The summaries start in one column, two spaces behind the longest name.
  std::size_t width = 0;
  for (const CliCommand& command : CliCommands()) width = std::max(width, command.name.size());
  for (const CliCommand& command : CliCommands()) {
    std::string name(command.name);
    name.resize(width + 2, ' ');
    out << "  " << name << command.summary << '\n';
  }
}

void PrintCommandHelp(const CliCommand& command, std::ostream& out) {
  out << "Aufruf: " << kProgram << ' ' << command.name << ' ' << command.synopsis << '\n' << command.help;
}

int UsageError(const CliContext& context, std::string_view message, std::string_view synopsis) {
  context.Error(message);
  context.err << "Aufruf: " << kProgram << ' ' << synopsis << '\n'
              << "Mehr dazu: " << kProgram << " --help\n";
  return kExitUsage;
}

}  // namespace tesmoran
