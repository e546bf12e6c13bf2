// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsheet/qt/SheetFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "printsheet/qt/SheetStrings.h"

namespace tesmoran {
namespace {

// Metrics are taken at this many times the real size.
constexpr double kMeasureScale = 32.0;

bool Installed(const QString& family) {
  return !family.isEmpty() && QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

double RolePoints(const SheetSettings& s, FontRole role) {
  switch (role) {
    case FontRole::kTitle:
      return s.fontSize * 1.3;
    case FontRole::kFooter:
      return 10.0;
    case FontRole::kBody:
    case FontRole::kHead:
      break;
  }
  return s.fontSize;
}

QFont BaseFont(const SheetSettings& s, FontRole role) {
  QFont font(ResolveFontFamily(s.fontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  if (role == FontRole::kTitle) font.setBold(true);
  return font;
}

QFontMetricsF MeasureMetrics(const SheetSettings& s, FontRole role) {
  QFont font = BaseFont(s, role);
  font.setPixelSize(int(RolePoints(s, role) * kMeasureScale + 0.5));
  return QFontMetricsF(font);
}

}  // namespace

QString ResolveFontFamily(const Text& wanted) {
  const QString family = SheetString(wanted);
  if (Installed(family)) return family;
  for (const char* fallback : {"Andika", "DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
    if (Installed(QString::fromLatin1(fallback))) return QString::fromLatin1(fallback);
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

double LetterGapPoints(const SheetSettings& s) {
  if (s.letterSpacing <= 0) return 0.0;
  return MeasureMetrics(s, FontRole::kBody).horizontalAdvance(QLatin1Char(' ')) / kMeasureScale * s.letterSpacing /
         100.0;
}

QFont SheetFont(const SheetSettings& settings, FontRole role) {
  QFont font = BaseFont(settings, role);
  font.setPointSizeF(RolePoints(settings, role));
  return font;
}

QtSheetMeasure::QtSheetMeasure(const SheetSettings& s)
    : metrics_{MeasureMetrics(s, FontRole::kBody), MeasureMetrics(s, FontRole::kHead),
               MeasureMetrics(s, FontRole::kTitle), MeasureMetrics(s, FontRole::kFooter)},
      gap_(LetterGapPoints(s)) {}

double QtSheetMeasure::LetterAdvance(Char c) const {
  auto it = letters_.find(c);
  if (it == letters_.end()) {
    const double w = metrics_[std::size_t(FontRole::kBody)].horizontalAdvance(SheetString(TextView(&c, 1)));
    it = letters_.emplace(c, w / kMeasureScale).first;
  }
  return it->second;
}

double QtSheetMeasure::Advance(TextView text, FontRole role) const {
  if (role == FontRole::kBody && gap_ > 0) {
    double w = 0;
    for (Char c : text) w += LetterAdvance(c) + gap_;
    return w;
  }
  return metrics_[std::size_t(role)].horizontalAdvance(SheetString(text)) / kMeasureScale;
}

double QtSheetMeasure::Ascent(FontRole role) const { return metrics_[std::size_t(role)].ascent() / kMeasureScale; }

double QtSheetMeasure::Descent(FontRole role) const {
  return metrics_[std::size_t(role)].descent() / kMeasureScale;
}

}  // namespace tesmoran
