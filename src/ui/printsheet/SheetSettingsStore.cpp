// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printsheet/SheetSettingsStore.h"

#include <QColor>

#include "platform/qt/QtText.h"
#include "printsheet/SheetSettingFields.h"

namespace tesmoran {
namespace {

const QString kGroup = QStringLiteral("Arbeitsblatt");

QString KeyOf(const SheetSettingField& field) {
  return QString::fromLatin1(field.key.data(), qsizetype(field.key.size()));
}

int ReadInt(QSettings& store, const QString& key, int standard) {
  bool ok = false;
  const int value = store.value(key, standard).toInt(&ok);
  return ok ? value : standard;
}

Rgb ReadColour(QSettings& store, const QString& key, Rgb standard) {
  const QColor c(store.value(key).toString());
  if (!c.isValid()) return standard;
  return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

QString ColourName(const Rgb& c) { return QColor(c.r, c.g, c.b).name(); }

}  // namespace

SheetSettings LoadSheetSettings(QSettings& store) {
  SheetSettings s;
  store.beginGroup(kGroup);
  for (const SheetSettingField& f : SheetSettingFields()) {
    const QString key = KeyOf(f);
    switch (f.kind) {
      case FieldKind::kNumber: s.*f.number = ReadInt(store, key, s.*f.number); break;
      // An index outside the list is set back by Clamped().
      case FieldKind::kChoice: f.choice.set(s, ReadInt(store, key, f.choice.get(s))); break;
      case FieldKind::kSwitch: s.*f.flag = store.value(key, s.*f.flag).toBool(); break;
      case FieldKind::kText:
      case FieldKind::kFont: s.*f.text = FromQString(store.value(key, ToQString(s.*f.text)).toString()); break;
      case FieldKind::kColour: s.*f.colour = ReadColour(store, key, s.*f.colour); break;
    }
  }
  store.endGroup();
  return Clamped(s);
}

void SaveSheetSettings(QSettings& store, const SheetSettings& s) {
  store.beginGroup(kGroup);
  for (const SheetSettingField& f : SheetSettingFields()) {
    const QString key = KeyOf(f);
    switch (f.kind) {
      case FieldKind::kNumber: store.setValue(key, s.*f.number); break;
      case FieldKind::kChoice: store.setValue(key, f.choice.get(s)); break;
      case FieldKind::kSwitch: store.setValue(key, s.*f.flag); break;
      case FieldKind::kText:
      case FieldKind::kFont: store.setValue(key, ToQString(s.*f.text)); break;
      case FieldKind::kColour: store.setValue(key, ColourName(s.*f.colour)); break;
    }
  }
  store.endGroup();
}

}  // namespace tesmoran
