// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a laid-out sheet: onto any paged device (a PDF file, a
// printer) or into an image for the preview.
#include <QImage>

#include "printsheet/SheetDocument.h"
#include "printsheet/SheetSettings.h"

class QPainter;
class QPagedPaintDevice;

namespace tesmoran {

// Draws one page; `dotsPerPoint` is the device's resolution divided by 72,
// and the painter's origin is the paper's top left corner.
void PaintSheetPage(QPainter& painter, const SheetPage& page, const SheetSettings& settings, double dotsPerPoint);

// Draws every page onto the device, one after the other.  False, with the
// reason, when the device refuses.
bool PaintSheet(QPagedPaintDevice& device, const SheetDocument& doc, const SheetSettings& settings, Text& reason);

// One page as a picture at the given resolution, on white paper.
QImage RenderSheetPage(const SheetDocument& doc, int page, const SheetSettings& settings, double dotsPerInch);

}  // namespace tesmoran
