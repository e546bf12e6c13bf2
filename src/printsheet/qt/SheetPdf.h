// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed sheet as a PDF file: the one call that turns a solution
// text, an optional original text and the settings into a file.  Needs a
// running QGuiApplication (any platform, also "offscreen") for the fonts.
#include <QByteArray>
#include <filesystem>

#include "files/AtomicFile.h"
#include "printsheet/SheetDocument.h"
#include "printsheet/SheetLayout.h"
#include "syllables/Syllabifier.h"

namespace tesmoran {

// The layout measured with the real fonts.
SheetDocument LayOutSheetWithFonts(const SheetInput& input, const SheetSettings& settings,
                                   const Syllabifier* syllabifier);

// The document as the bytes of a PDF file with every font embedded; empty,
// with the reason, when it cannot be made.
QByteArray SheetPdfBytes(const SheetDocument& doc, const SheetSettings& settings, Text& reason);

// Lays out, draws and writes the PDF file; the file is either written
// completely or left as it was.
WriteResult WriteSheetPdf(const SheetInput& input, const SheetSettings& settings, const Syllabifier* syllabifier,
                          const std::filesystem::path& file);

}  // namespace tesmoran
