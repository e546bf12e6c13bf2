// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing on Qt: the system's default printer, or a PDF file with the same
// pages.
#include <memory>

#include "platform/Printer.h"

class QPrinter;
class QPainter;

namespace tesmoran {

class QtPrinter : public Printer {
 public:
  explicit QtPrinter(std::unique_ptr<QPrinter> printer);
  ~QtPrinter() override;

  bool Begin(TextView fontName, int pointSize, Text& reason) override;
  bool PrintLine(TextView line, Text& reason) override;
  bool EndDoc(Text& reason) override;

 private:
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  double y_ = 0;           // top of the next line on the page
  double lineHeight_ = 0;
  double ascent_ = 0;
  double pageHeight_ = 0;
};

class QtPrinterProvider : public PrinterProvider {
 public:
  std::unique_ptr<Printer> DefaultPrinter(Text& reason) override;
  std::unique_ptr<Printer> PdfPrinter(const std::filesystem::path& file, Text& reason) override;
};

}  // namespace tesmoran
