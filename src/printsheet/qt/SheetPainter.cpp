// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/qt/SheetPainter.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include "printsheet/qt/SheetFonts.h"
#include "printsheet/qt/SheetStrings.h"

namespace tesmoran {
namespace {

QColor InkColour(Ink ink, const SheetSettings& s) {
  const auto rgb = [](const Rgb& c) { return QColor(c.r, c.g, c.b); };
  switch (ink) {
    case Ink::kFirst:
      return rgb(s.firstColour);
    case Ink::kSecond:
      return rgb(s.secondColour);
    case Ink::kBlack:
      break;
  }
  return Qt::black;
}

void PaintStroke(QPainter& painter, const Stroke& st, double k) {
  QPen pen(st.kind == Stroke::Kind::kFaintLine ? QColor(150, 150, 150) : QColor(Qt::black));
  pen.setWidthF(st.width * k);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (st.kind != Stroke::Kind::kArc) {
    painter.drawLine(QPointF(st.x1 * k, st.y1 * k), QPointF(st.x2 * k, st.y2 * k));
    return;
  }
  // A quadratic curve reaches halfway to its control point.
  QPainterPath path(QPointF(st.x1 * k, st.y1 * k));
  path.quadTo(QPointF((st.x1 + st.x2) / 2 * k, (2 * st.y2 - st.y1) * k), QPointF(st.x2 * k, st.y1 * k));
  painter.drawPath(path);
}

}  // namespace

void PaintSheetPage(QPainter& painter, const SheetPage& page, const SheetSettings& settings, double k) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  std::array<QFont, 4> fonts{SheetFont(settings, FontRole::kBody), SheetFont(settings, FontRole::kHead),
                             SheetFont(settings, FontRole::kTitle), SheetFont(settings, FontRole::kFooter)};
  const QtSheetMeasure measure(settings);
  const double gap = measure.LetterGap();
  for (const Stroke& st : page.strokes) PaintStroke(painter, st, k);
  for (const TextRun& run : page.runs) {
    painter.setFont(fonts[std::size_t(run.role)]);
    painter.setPen(InkColour(run.ink, settings));
    if (run.role != FontRole::kBody || gap <= 0 || run.text.size() < 2) {
      painter.drawText(QPointF(run.x * k, run.baseline * k), SheetString(run.text));
      continue;
    }
    // Letter by letter, each followed by the gap.
    double x = run.x;
    for (Char c : run.text) {
      painter.drawText(QPointF(x * k, run.baseline * k), SheetString(TextView(&c, 1)));
      x += measure.LetterAdvance(c) + gap;
    }
  }
}

bool PaintSheet(QPagedPaintDevice& device, const SheetDocument& doc, const SheetSettings& settings, Text& reason) {
  QPainter painter;
  if (!painter.begin(&device)) {
    reason = U"Die Seiten lassen sich nicht anlegen.";
    return false;
  }
  const double k = device.logicalDpiX() / 72.0;
  for (std::size_t i = 0; i < doc.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      reason = U"Es lässt sich keine neue Seite anlegen.";
      painter.end();
      return false;
    }
    PaintSheetPage(painter, doc.pages[i], settings, k);
  }
  if (!painter.end()) {
    reason = U"Das Dokument lässt sich nicht abschließen.";
    return false;
  }
  return true;
}

QImage RenderSheetPage(const SheetDocument& doc, int page, const SheetSettings& settings, double dpi) {
  const double k = dpi / 72.0;
  QImage image(int(doc.size.width * k + 0.5), int(doc.size.height * k + 0.5), QImage::Format_RGB32);
  const int dotsPerMeter = int(dpi / 0.0254 + 0.5);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  if (page >= 0 && std::size_t(page) < doc.pages.size()) {
    QPainter painter(&image);
    PaintSheetPage(painter, doc.pages[std::size_t(page)], settings, k);
  }
  return image;
}

}  // namespace tesmoran
