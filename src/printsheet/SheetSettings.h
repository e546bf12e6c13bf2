// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a teacher can choose about the printed sheet.  The allowed
// ranges and the values a fresh installation starts with are in the rows of
// SheetSettingFields.
#include <cstdint>
#include <string>

#include "syllables/Syllabifier.h"
#include "text/Text.h"

namespace tesmoran {

enum class SyllableMarks { kNone, kColours, kArcs, kHyphens };
enum class WritingRuling { kPlain, kSchool };
enum class PaperSize { kA4, kLetter };

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct IntRange {
  int min, max, standard;
};

inline constexpr double kMarginMm = 20.0;

struct SheetSettings {
  // Every setting at the start value of its row.
  SheetSettings();

  Text fontFamily;
  int fontSize = 0;       // points
  int lineSpacing = 0;    // % of the font size
  int letterSpacing = 0;  // % of a space, after each letter
  int wordSpacing = 0;    // % of a space, added to it

  SyllableMarks syllableMarks = SyllableMarks::kNone;
  SyllableKind syllableKind = SyllableKind::kReading;
  Rgb firstColour;
  Rgb secondColour;

  Text title;
  bool nameAndDate = false;

  int writingRows = 0;
  WritingRuling ruling = WritingRuling::kPlain;
  // The school ruling of the first two school years: ascender band, middle
  // band, descender band, and the space to the next ruling, in mm.
  int upperBandMm = 0;
  int middleBandMm = 0;
  int lowerBandMm = 0;
  int rowGapMm = 0;
  int plainRowMm = 0;  // mm between two plain lines

  bool answerKey = false;
  PaperSize paper = PaperSize::kA4;

  friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// The settings with every number brought into its range, a choice outside
// its list set to its start value and an empty font family replaced by the
// start one.
SheetSettings Clamped(SheetSettings settings);

// Page size in points (1/72 inch), portrait.
struct PageSize {
  double width, height;
};
PageSize PagePoints(PaperSize paper);

inline constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double MmToPoints(double mm) { return mm * kPointsPerMm; }

}  // namespace tesmoran
