// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet settings panel on its own, offscreen: it shows what it is
// given and gives it back without announcing that as a change, switches off
// what has no effect, and chooses colours through its hook.
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>

#include "form1_test_support.h"
#include "sheet_settings_tools.h"
#include "ui/printsheet/SheetSettingsPanel.h"

using namespace tesmoran;
using namespace tesmoran::testing;

class TestSheetSettingsPanel : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void whatItShowsItGivesBack() {
    SheetSettingsPanel panel;
    // The font list holds only installed fonts: keep the one it shows.
    SheetSettings start;
    start.fontFamily = panel.Settings().fontFamily;
    QVERIFY(panel.Settings() == start);
    const SheetSettings changed = AllChanged(panel.Settings().fontFamily);
    QSignalSpy changes(&panel, &SheetSettingsPanel::Changed);
    panel.Show(changed);
    QVERIFY(panel.Settings() == changed);
    QCOMPARE(changes.count(), 0);
  }

  void whatHasNoEffectIsSwitchedOff_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("engine");
    QTest::addColumn<int>("marks");
    QTest::addColumn<int>("ruling");
    QTest::addColumn<bool>("enabled");
    const int none = int(SyllableMarks::kNone), colours = int(SyllableMarks::kColours),
              arcs = int(SyllableMarks::kArcs);
    const int plain = int(WritingRuling::kPlain), school = int(WritingRuling::kSchool);
    QTest::newRow("band with school ruling") << "oberband" << true << none << school << true;
    QTest::newRow("band with plain lines") << "unterband" << true << none << plain << false;
    QTest::newRow("gap with plain lines") << "zeilenzwischenraum" << true << none << plain << false;
    QTest::newRow("line distance with plain lines") << "linienabstand" << true << none << plain << true;
    QTest::newRow("line distance with school ruling") << "linienabstand" << true << none << school << false;
    QTest::newRow("marks without engine") << "silben" << false << none << school << false;
    QTest::newRow("marks with engine") << "silben" << true << none << school << true;
    QTest::newRow("kind without marks") << "silbenart" << true << none << school << false;
    QTest::newRow("kind with arcs") << "silbenart" << true << arcs << school << true;
    QTest::newRow("kind with arcs, no engine") << "silbenart" << false << arcs << school << false;
    QTest::newRow("colour with arcs") << "farbe1" << true << arcs << school << false;
    QTest::newRow("colour with colours") << "farbe2" << true << colours << school << true;
    QTest::newRow("colour with colours, no engine") << "farbe1" << false << colours << school << false;
    QTest::newRow("size always") << "groesse" << false << none << plain << true;
  }
  void whatHasNoEffectIsSwitchedOff() {
    QFETCH(QString, control);
    QFETCH(bool, engine);
    QFETCH(int, marks);
    QFETCH(int, ruling);
    QFETCH(bool, enabled);
    SheetSettingsPanel panel;
    panel.SetSyllablesAvailable(engine);
    Child<QComboBox>(panel, "silben")->setCurrentIndex(marks);
    Child<QComboBox>(panel, "lineatur")->setCurrentIndex(ruling);
    QCOMPARE(panel.findChild<QWidget*>(control)->isEnabled(), enabled);
  }

  void aChosenColourIsShownAndKept() {
    SheetSettingsPanel panel;
    Child<QComboBox>(panel, "silben")->setCurrentIndex(int(SyllableMarks::kColours));
    QColor offered;
    QColor answer(10, 20, 30);
    panel.chooseColour = [&](const QColor& current, QWidget*) {
      offered = current;
      return answer;
    };
    QSignalSpy changes(&panel, &SheetSettingsPanel::Changed);
    const Rgb before = panel.Settings().secondColour;
    Child<QPushButton>(panel, "farbe2")->click();
    QCOMPARE(offered, QColor(before.r, before.g, before.b));
    QVERIFY(panel.Settings().secondColour == (Rgb{10, 20, 30}));
    QVERIFY(Child<QPushButton>(panel, "farbe2")->styleSheet().contains(QStringLiteral("#0a141e")));
    QCOMPARE(changes.count(), 1);
    // Cancelling the dialog changes nothing.
    answer = QColor();
    Child<QPushButton>(panel, "farbe1")->click();
    QVERIFY(panel.Settings().firstColour == SheetSettings().firstColour);
    QCOMPARE(changes.count(), 1);
  }
};

QTEST_MAIN(TestSheetSettingsPanel)
#include "sheet_settings_panel_test.moc"
