// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtPrinter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/QtText.h"

namespace tesmoran {

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinter::~QtPrinter() {
  // A document that was not ended is dropped, not half printed.
  if (painter_ && painter_->isActive()) {
    printer_->abort();
    painter_->end();
  }
}

bool QtPrinter::Begin(TextView fontName, int pointSize, Text& reason) {
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    reason = U"Der Drucker lässt sich nicht öffnen.";
    return false;
  }
  QFont font(ToQString(fontName));
  font.setPointSize(pointSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  painter_->setFont(font);
  const QFontMetricsF metrics(painter_->font(), printer_.get());
  lineHeight_ = metrics.lineSpacing();
  ascent_ = metrics.ascent();
  pageHeight_ = printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
  y_ = 0;
  return true;
}

bool QtPrinter::PrintLine(TextView line, Text& reason) {
  if (y_ > 0 && y_ + lineHeight_ > pageHeight_) {
    if (!printer_->newPage()) {
      reason = U"Der Drucker nimmt keine neue Seite an.";
      return false;
    }
    y_ = 0;
  }
  painter_->drawText(QPointF(0, y_ + ascent_), ToQString(line));
  y_ += lineHeight_;
  return true;
}

bool QtPrinter::EndDoc(Text& reason) {
  if (!painter_->end()) {
    reason = U"Das Dokument lässt sich nicht abschließen.";
    return false;
  }
  return true;
}

std::unique_ptr<Printer> QtPrinterProvider::DefaultPrinter(Text& reason) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    reason = U"Bitte richten Sie einen Standarddrucker ein.";
    return nullptr;
  }
  return std::make_unique<QtPrinter>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

std::unique_ptr<Printer> QtPrinterProvider::PdfPrinter(const std::filesystem::path& file, Text&) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(QFile::decodeName(file.c_str()));
  return std::make_unique<QtPrinter>(std::move(printer));
}

}  // namespace tesmoran
