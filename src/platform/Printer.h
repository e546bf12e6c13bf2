// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What printing needs of a printer: a fixed font, one line after the other,
// and the end of the document.  The windows provide the real printer and a
// PDF file printer; tests provide their own.
#include <filesystem>
#include <memory>

#include "text/Text.h"

namespace tesmoran {

class Printer {
 public:
  virtual ~Printer() = default;

  // Starts the document at the top left of the first page in the font.
  // False, with the reason, when no document can be started.
  virtual bool Begin(TextView fontName, int pointSize, Text& reason) = 0;
  // Prints one line and moves to the next; starts a new page when the page
  // is full.
  virtual bool PrintLine(TextView line, Text& reason) = 0;
  // Ends the document so that the printer starts printing.
  virtual bool EndDoc(Text& reason) = 0;
};

class PrinterProvider {
 public:
  virtual ~PrinterProvider() = default;

  // The default printer of the system; null, with the reason, when there is
  // none.
  virtual std::unique_ptr<Printer> DefaultPrinter(Text& reason) = 0;
  // A printer whose pages go into a PDF file.
  virtual std::unique_ptr<Printer> PdfPrinter(const std::filesystem::path& file, Text& reason) = 0;
};

}  // namespace tesmoran
