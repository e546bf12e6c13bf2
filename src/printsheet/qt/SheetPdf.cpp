// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/qt/SheetPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "printsheet/qt/SheetFonts.h"
#include "printsheet/qt/SheetPainter.h"
#include "printsheet/qt/SheetStrings.h"

namespace tesmoran {

SheetDocument LayOutSheetWithFonts(const SheetInput& input, const SheetSettings& settings,
                                   const Syllabifier* syllabifier) {
  const SheetSettings clamped = Clamped(settings);
  return LayOutSheet(input, clamped, syllabifier, QtSheetMeasure(clamped));
}

QByteArray SheetPdfBytes(const SheetDocument& doc, const SheetSettings& settings, Text& reason) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tesmoran"));
    writer.setTitle(settings.title.empty() ? QStringLiteral("Arbeitsblatt") : SheetString(settings.title));
    writer.setPageLayout(QPageLayout(
        QPageSize(settings.paper == PaperSize::kLetter ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (!PaintSheet(writer, doc, Clamped(settings), reason)) return {};
  }
  if (bytes.isEmpty()) reason = U"Die PDF-Datei ist leer geblieben.";
  return bytes;
}

WriteResult WriteSheetPdf(const SheetInput& input, const SheetSettings& settings, const Syllabifier* syllabifier,
                          const std::filesystem::path& file) {
  Text reason;
  const QByteArray bytes = SheetPdfBytes(LayOutSheetWithFonts(input, settings, syllabifier), settings, reason);
  if (bytes.isEmpty()) return WriteResult::Failed(reason);
  return WriteFileAtomically(file, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace tesmoran
