// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a teacher can choose about the printed sheet, with the
// allowed ranges and the values a fresh installation starts with.
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

inline constexpr IntRange kFontSizeRange{12, 32, 16};            // points
inline constexpr IntRange kLineSpacingRange{100, 250, 150};      // % of the font size
inline constexpr IntRange kLetterSpacingRange{0, 30, 5};         // % of a space, after each letter
inline constexpr IntRange kWordSpacingRange{0, 100, 30};         // % of a space, added to it
inline constexpr IntRange kWritingRowsRange{0, 30, 0};
inline constexpr IntRange kRulingBandRange{2, 15, 4};            // mm, one band of the school ruling
inline constexpr IntRange kPlainRowRange{6, 30, 12};             // mm between two plain lines
inline constexpr IntRange kRowGapRange{0, 20, 5};                // mm between two school rulings

inline constexpr double kMarginMm = 20.0;
inline constexpr const char32_t* kDefaultFontFamily = U"Andika";

struct SheetSettings {
  Text fontFamily = kDefaultFontFamily;
  int fontSize = kFontSizeRange.standard;
  int lineSpacing = kLineSpacingRange.standard;
  int letterSpacing = kLetterSpacingRange.standard;
  int wordSpacing = kWordSpacingRange.standard;

  SyllableMarks syllableMarks = SyllableMarks::kNone;
  SyllableKind syllableKind = SyllableKind::kReading;
  Rgb firstColour{0, 70, 220};   // blue
  Rgb secondColour{220, 0, 0};   // red

  Text title;
  bool nameAndDate = true;

  int writingRows = kWritingRowsRange.standard;
  WritingRuling ruling = WritingRuling::kSchool;
  // The school ruling of the first two school years: ascender band, middle
  // band, descender band, and the space to the next ruling.
  int upperBandMm = kRulingBandRange.standard;
  int middleBandMm = kRulingBandRange.standard;
  int lowerBandMm = kRulingBandRange.standard;
  int rowGapMm = kRowGapRange.standard;
  int plainRowMm = kPlainRowRange.standard;

  bool answerKey = false;
  PaperSize paper = PaperSize::kA4;

  friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// The settings with every number brought into its range and an empty font
// family replaced by the default one.
SheetSettings Clamped(SheetSettings settings);

// Page size in points (1/72 inch), portrait.
struct PageSize {
  double width, height;
};
PageSize PagePoints(PaperSize paper);

inline constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double MmToPoints(double mm) { return mm * kPointsPerMm; }

}  // namespace tesmoran
