// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SolutionFile.h"

#include "files/AtomicFile.h"
#include "files/FileLoading.h"
#include "files/Printing.h"
#include "text/CaseMap.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace fs = std::filesystem;
namespace {

const Text kTitle = U"Speichern";

WriteResult WritePdf(const fs::path& target, TextView text, PrinterProvider& printers) {
  return ReplaceFileAtomically(target, [&](const fs::path& temp) {
    Text reason;
    auto printer = printers.PdfPrinter(temp, reason);
    if (!printer || !PrintText(text, *printer, reason)) return WriteResult::Failed(reason);
    return WriteResult{};
  });
}

void ShowSaveError(TextView name, TextView reason, UiServices& ui) {
  const Text prompt = U"Die Datei \"" + Text(name) + U"\" kann nicht gespeichert werden." + Text(kCrLf) + Text(reason) +
                      Text(kCrLf) + Text(kCrLf) + U"Der Lösungstext bleibt erhalten.";
  ui.MessageBox(prompt, style::kOkStop, kTitle);
}

}  // namespace

std::string EncodeSolutionFile(TextView text) {
  const Text content = Text(text) + Text(kCrLf);
  if (auto bytes = EncodeCp1252(content)) return *bytes;
  return "\xEF\xBB\xBF" + EncodeUtf8(content);
}

bool IsPdfName(TextView name) { return name.size() > 4 && ToLower(name.substr(name.size() - 4)) == U".pdf"; }

void SaveSolutionText(const Text& solution, UiServices& ui, PrinterProvider& printers) {
  if (solution.empty()) {
    ui.MessageBox(U"Es ist kein Lösungstext vorhanden!\r\r", style::kOk, kTitle);
    return;
  }
  if (ui.MessageBox(U"Das grüne Textfeld abspeichern?\n\r ", style::kYesNoQuestionDefaultNo, U"Tesmoran speichern") !=
      kAnswerYes) {
    return;
  }
  const Text name = ui.InputBox(U"Lösungstext speichern als:", kTitle, U"TESMORAN.TXT");
  if (name.empty()) return;
  const fs::path target = PathFromText(name);
  const WriteResult result = IsPdfName(name) ? WritePdf(target, solution, printers)
                                             : WriteFileAtomically(target, EncodeSolutionFile(solution));
  if (!result.ok) ShowSaveError(name, result.reason, ui);
}

}  // namespace tesmoran
