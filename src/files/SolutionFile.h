// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the solution text to a file.
#include <string>

#include "platform/Printer.h"
#include "platform/UiServices.h"
#include "text/Text.h"

namespace tesmoran {

// The bytes of the saved file: the text plus CR LF in code page 1252, or,
// when the text holds characters that code page 1252 lacks, in UTF-8 after
// a byte order mark, so that nothing is lost.
std::string EncodeSolutionFile(TextView text);

// True for a name that ends in ".pdf", in any case.
bool IsPdfName(TextView name);

// The save icon: asks, asks for the name, then writes the solution text
// plus CR LF to that file, replacing an existing one without asking
// (relative names are relative to the current working directory).  A name
// ending in ".pdf" gets the printed pages as a PDF file instead.  A failure
// is reported, leaves an existing file as it was and changes no text.
void SaveSolutionText(const Text& solution, UiServices& ui, PrinterProvider& printers);

}  // namespace tesmoran
