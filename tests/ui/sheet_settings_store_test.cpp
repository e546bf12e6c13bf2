// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet settings kept between runs: they come back as they were
// saved, a file from an earlier version still loads, and hand-edited values
// that make no sense are brought back into range.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "sheet_settings_tools.h"
#include "ui/printsheet/SheetSettingsStore.h"

using namespace tesmoran;
using namespace tesmoran::testing;

class TestSheetSettingsStore : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;

  QString Path() const { return dir_->filePath(QStringLiteral("settings.ini")); }
  SheetSettings LoadFile(const char* contents) {
    QFile file(Path());
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the settings file");
    file.write(contents);
    file.close();
    QSettings store(Path(), QSettings::IniFormat);
    return LoadSheetSettings(store);
  }

 private Q_SLOTS:
  void init() { dir_ = std::make_unique<QTemporaryDir>(); }

  void everySettingComesBackAsSaved() {
    const SheetSettings saved = AllChanged();
    QVERIFY(!(saved == SheetSettings()));
    {
      QSettings store(Path(), QSettings::IniFormat);
      SaveSheetSettings(store, saved);
    }
    QSettings store(Path(), QSettings::IniFormat);
    QVERIFY(LoadSheetSettings(store) == saved);
  }

  // The keys and the way values are written are those of earlier versions:
  // a teacher's settings survive an update.
  void aFileFromAnEarlierVersionLoads() {
    const SheetSettings s = LoadFile(
        "[Arbeitsblatt]\n"
        "Schrift=DejaVu Serif\nGroesse=20\nZeilenabstand=200\nBuchstabenabstand=10\nWortabstand=50\n"
        "Silben=1\nSilbenart=1\nFarbe1=#00ff00\nFarbe2=#ff00ff\nTitel=Tiere im Zoo\nNameDatum=false\n"
        "Schreibzeilen=4\nLineatur=0\nOberband=5\nMittelband=6\nUnterband=7\nZeilenzwischenraum=8\n"
        "Linienabstand=14\nLoesung=true\nPapier=1\n");
    SheetSettings expected;
    expected.fontFamily = U"DejaVu Serif";
    expected.fontSize = 20;
    expected.lineSpacing = 200;
    expected.letterSpacing = 10;
    expected.wordSpacing = 50;
    expected.syllableMarks = SyllableMarks::kColours;
    expected.syllableKind = SyllableKind::kLineBreak;
    expected.firstColour = {0, 255, 0};
    expected.secondColour = {255, 0, 255};
    expected.title = U"Tiere im Zoo";
    expected.nameAndDate = false;
    expected.writingRows = 4;
    expected.ruling = WritingRuling::kPlain;
    expected.upperBandMm = 5;
    expected.middleBandMm = 6;
    expected.lowerBandMm = 7;
    expected.rowGapMm = 8;
    expected.plainRowMm = 14;
    expected.answerKey = true;
    expected.paper = PaperSize::kLetter;
    QVERIFY(s == expected);
  }

  // What is missing or cannot be read (no number, no colour, no font) takes
  // its start value; ranges are brought back as the settings table's clamping does.
  void handEditedNonsenseIsBroughtBack() {
    const SheetSettings s =
        LoadFile("[Arbeitsblatt]\nSchrift=\nGroesse=99\nZeilenabstand=viel\nSilben=9\nFarbe1=blaugrau\nFarbe2=\n");
    SheetSettings expected;
    expected.fontSize = 32;
    QVERIFY(s == expected);
  }

  // Settings of other windows in the same file are left alone.
  void onlyTheSheetGroupIsWritten() {
    {
      QSettings store(Path(), QSettings::IniFormat);
      store.setValue(QStringLiteral("Fenster/Groesse"), 7);
      SaveSheetSettings(store, AllChanged());
    }
    QSettings store(Path(), QSettings::IniFormat);
    QCOMPARE(store.childGroups(), QStringList({QStringLiteral("Arbeitsblatt"), QStringLiteral("Fenster")}));
    QCOMPARE(store.value(QStringLiteral("Fenster/Groesse")).toInt(), 7);
    QVERIFY(store.childKeys().isEmpty());
  }
};

QTEST_MAIN(TestSheetSettingsStore)
#include "sheet_settings_store_test.moc"
