// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the solution text.
#include "platform/Printer.h"
#include "platform/UiServices.h"
#include "text/Text.h"

namespace tesmoran {

inline constexpr TextView kPrintFontName = U"Courier New";
inline constexpr int kPrintPointSize = 16;

// Prints the text's paper lines as one document.  False, with the reason,
// when the printer fails.
bool PrintText(TextView text, Printer& printer, Text& reason);

// The print icon: asks, then prints the solution text on the default
// printer.  An empty solution text prints nothing and asks nothing; a
// missing printer or a printer error is reported.
void PrintSolutionText(const Text& solution, UiServices& ui, PrinterProvider& printers);

}  // namespace tesmoran
