// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printsheet/SheetSettingsStore.h"

#include <QColor>

#include "platform/qt/QtText.h"

namespace tesmoran {
namespace {

const QString kGroup = QStringLiteral("Arbeitsblatt");

int ReadInt(QSettings& store, const char* key, int standard) {
  bool ok = false;
  const int value = store.value(QLatin1String(key), standard).toInt(&ok);
  return ok ? value : standard;
}

bool ReadBool(QSettings& store, const char* key, bool standard) {
  return store.value(QLatin1String(key), standard).toBool();
}

Rgb ReadColour(QSettings& store, const char* key, Rgb standard) {
  const QColor c(store.value(QLatin1String(key)).toString());
  if (!c.isValid()) return standard;
  return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

QString ColourName(const Rgb& c) { return QColor(c.r, c.g, c.b).name(); }

template <class E>
E ReadEnum(QSettings& store, const char* key, E standard, int count) {
  const int v = ReadInt(store, key, int(standard));
  return v >= 0 && v < count ? E(v) : standard;
}

}  // namespace

SheetSettings LoadSheetSettings(QSettings& store) {
  const SheetSettings d;
  SheetSettings s;
  store.beginGroup(kGroup);
  s.fontFamily = FromQString(store.value(QStringLiteral("Schrift"), ToQString(d.fontFamily)).toString());
  s.fontSize = ReadInt(store, "Groesse", d.fontSize);
  s.lineSpacing = ReadInt(store, "Zeilenabstand", d.lineSpacing);
  s.letterSpacing = ReadInt(store, "Buchstabenabstand", d.letterSpacing);
  s.wordSpacing = ReadInt(store, "Wortabstand", d.wordSpacing);
  s.syllableMarks = ReadEnum(store, "Silben", d.syllableMarks, 4);
  s.syllableKind = ReadEnum(store, "Silbenart", d.syllableKind, 2);
  s.firstColour = ReadColour(store, "Farbe1", d.firstColour);
  s.secondColour = ReadColour(store, "Farbe2", d.secondColour);
  s.title = FromQString(store.value(QStringLiteral("Titel")).toString());
  s.nameAndDate = ReadBool(store, "NameDatum", d.nameAndDate);
  s.writingRows = ReadInt(store, "Schreibzeilen", d.writingRows);
  s.ruling = ReadEnum(store, "Lineatur", d.ruling, 2);
  s.upperBandMm = ReadInt(store, "Oberband", d.upperBandMm);
  s.middleBandMm = ReadInt(store, "Mittelband", d.middleBandMm);
  s.lowerBandMm = ReadInt(store, "Unterband", d.lowerBandMm);
  s.rowGapMm = ReadInt(store, "Zeilenzwischenraum", d.rowGapMm);
  s.plainRowMm = ReadInt(store, "Linienabstand", d.plainRowMm);
  s.answerKey = ReadBool(store, "Loesung", d.answerKey);
  s.paper = ReadEnum(store, "Papier", d.paper, 2);
  store.endGroup();
  return Clamped(s);
}

void SaveSheetSettings(QSettings& store, const SheetSettings& s) {
  store.beginGroup(kGroup);
  store.setValue(QStringLiteral("Schrift"), ToQString(s.fontFamily));
  store.setValue(QStringLiteral("Groesse"), s.fontSize);
  store.setValue(QStringLiteral("Zeilenabstand"), s.lineSpacing);
  store.setValue(QStringLiteral("Buchstabenabstand"), s.letterSpacing);
  store.setValue(QStringLiteral("Wortabstand"), s.wordSpacing);
  store.setValue(QStringLiteral("Silben"), int(s.syllableMarks));
  store.setValue(QStringLiteral("Silbenart"), int(s.syllableKind));
  store.setValue(QStringLiteral("Farbe1"), ColourName(s.firstColour));
  store.setValue(QStringLiteral("Farbe2"), ColourName(s.secondColour));
  store.setValue(QStringLiteral("Titel"), ToQString(s.title));
  store.setValue(QStringLiteral("NameDatum"), s.nameAndDate);
  store.setValue(QStringLiteral("Schreibzeilen"), s.writingRows);
  store.setValue(QStringLiteral("Lineatur"), int(s.ruling));
  store.setValue(QStringLiteral("Oberband"), s.upperBandMm);
  store.setValue(QStringLiteral("Mittelband"), s.middleBandMm);
  store.setValue(QStringLiteral("Unterband"), s.lowerBandMm);
  store.setValue(QStringLiteral("Zeilenzwischenraum"), s.rowGapMm);
  store.setValue(QStringLiteral("Linienabstand"), s.plainRowMm);
  store.setValue(QStringLiteral("Loesung"), s.answerKey);
  store.setValue(QStringLiteral("Papier"), int(s.paper));
  store.endGroup();
}

}  // namespace tesmoran
