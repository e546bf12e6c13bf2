// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Printing.h"

#include "files/PrintLines.h"

namespace tesmoran {

bool PrintText(TextView text, Printer& printer, Text& reason) {
  if (!printer.Begin(kPrintFontName, kPrintPointSize, reason)) return false;
  for (const Text& line : PaperLines(text)) {
    if (!printer.PrintLine(line, reason)) return false;
  }
  return printer.EndDoc(reason);
}

void PrintSolutionText(const Text& solution, UiServices& ui, PrinterProvider& printers) {
  if (solution.empty()) return;
  if (ui.MessageBox(U"Das grüne Textfeld ausdrucken?\n\r ", style::kYesNoQuestionDefaultNo, U"Tesmoran drucken") !=
      kAnswerYes) {
    return;
  }
  Text reason;
  auto printer = printers.DefaultPrinter(reason);
  if (!printer) {
    ui.MessageBox(U"Es ist kein Drucker eingerichtet. Das Arbeitsblatt lässt sich aber als PDF-Datei speichern: "
                  U"beim Speichern einen Namen angeben, der auf .pdf endet." + Text(kCrLf) + reason,
                  style::kOkStop, U"Tesmoran drucken");
    return;
  }
  if (!PrintText(solution, *printer, reason)) {
    ui.MessageBox(U"Beim Drucken ist ein Fehler aufgetreten." + Text(kCrLf) + reason, style::kOkStop,
                  U"Tesmoran drucken");
  }
}

}  // namespace tesmoran
