// SPDX-License-Identifier: GPL-3.0-or-later
// The Arbeitsblatt window driven through its controls offscreen: the preview
// follows the settings within 200 ms, the settings are kept, the PDF is
// saved or its failure reported, printing goes to the chosen printer or
// reports that there is none, and the syllable exceptions are edited.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "../printsheet/FakeSheetTools.h"
#include "QtTestSupport.h"
#include "form1_test_support.h"
#include "sheet_pdf_tools.h"
#include "ui/printsheet/ArbeitsblattWindow.h"
#include "ui/printsheet/SheetPreview.h"
#include "ui/printsheet/SheetSettingsPanel.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

class SilentPrinter : public Printer {
 public:
  bool Begin(TextView, int, Text&) override { return true; }
  bool PrintLine(TextView, Text&) override { return true; }
  bool EndDoc(Text&) override { return true; }
};

// A system with or without a printer.
class FakePrinters : public PrinterProvider {
 public:
  bool present = true;
  std::unique_ptr<Printer> DefaultPrinter(Text& reason) override {
    if (present) return std::make_unique<SilentPrinter>();
    reason = U"Kein Drucker gefunden.";
    return nullptr;
  }
  std::unique_ptr<Printer> PdfPrinter(const std::filesystem::path&, Text&) override { return nullptr; }
};

std::vector<double> BodyBaselines(const SheetDocument& doc) {
  std::vector<double> ys;
  for (const TextRun& run : doc.pages.at(0).runs) {
    if (run.role == FontRole::kBody && (ys.empty() || ys.back() != run.baseline)) ys.push_back(run.baseline);
  }
  return ys;
}

bool HasRun(const SheetDocument& doc, TextView text) {
  for (const SheetPage& page : doc.pages) {
    for (const TextRun& run : page.runs) {
      if (run.text == text) return true;
    }
  }
  return false;
}

// Pixels clearly bluer or redder than grey.
std::pair<int, int> BlueAndRedPixels(const QImage& image) {
  int blue = 0, red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > c.red() + 80) ++blue;
      if (c.red() > c.blue() + 80) ++red;
    }
  }
  return {blue, red};
}

const TableSyllabifier kSyllables({{U"Abend", {1}}, {U"Oma", {1}}});

using Doc = const SheetDocument&;
using Change = std::function<void(ArbeitsblattWindow&)>;
using Holds = std::function<bool(Doc)>;

}  // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Holds)

class TestArbeitsblatt : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QSettings> store_;
  std::unique_ptr<ArbeitsblattWindow> window_;
  std::unique_ptr<ScriptedUi> ui_;
  FakePrinters printers_;

  ArbeitsblattWindow& Open(const Text& solution, const Text& original = Text()) {
    window_ = std::make_unique<ArbeitsblattWindow>(nullptr, store_.get());
    window_->SetUiServices(ui_.get());
    window_->SetPrinters(&printers_);
    window_->SetTexts(solution, original);
    window_->show();
    return *window_;
  }
  QString Path(const char* name) const { return dir_->filePath(QLatin1String(name)); }

 private Q_SLOTS:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallQtTestFailureHandler();
  }
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<QSettings>(Path("settings.ini"), QSettings::IniFormat);
    ui_ = std::make_unique<ScriptedUi>();
    printers_.present = true;
  }
  void cleanup() {
    window_.reset();
    QCOMPARE(ui_->Pending(), std::size_t(0));
  }

  void showForKeepsOneWindowThatIsNotModal() {
    ArbeitsblattWindow& first = ArbeitsblattWindow::ShowFor(U"Oma", U"", nullptr);
    ArbeitsblattWindow& second = ArbeitsblattWindow::ShowFor(U"Abend", U"", nullptr);
    QCOMPARE(&first, &second);
    QCOMPARE(ArbeitsblattWindow::Instance(), &first);
    QVERIFY(second.isVisible());
    QVERIFY(!second.isModal());
    QVERIFY(HasRun(second.Document(), U"Abend"));
    QVERIFY(!HasRun(second.Document(), U"Oma"));
    delete &first;
    QVERIFY(!ArbeitsblattWindow::Instance());
  }

  void theControlsShapeThePages_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<Holds>("holds");
    QTest::newRow("groesse") << Change([](auto& w) { Child<QSpinBox>(w, "groesse")->setValue(24); })
                             << Holds([](Doc d) {
                                  const auto ys = BodyBaselines(d);
                                  return ys.size() == 2 && ys[1] - ys[0] == 36.0;  // 24 pt at 150 %
                                });
    QTest::newRow("titel") << Change([](auto& w) { Child<QLineEdit>(w, "titel")->setText("Im Zoo"); })
                           << Holds([](Doc d) { return d.pages[0].runs[0].text == U"Im Zoo"; });
    QTest::newRow("namedatum") << Change([](auto& w) { Child<QCheckBox>(w, "namedatum")->setChecked(false); })
                               << Holds([](Doc d) { return !HasRun(d, U"Name: ______  Datum: ______"); });
    QTest::newRow("loesung") << Change([](auto& w) { Child<QCheckBox>(w, "loesung")->setChecked(true); })
                             << Holds([](Doc d) { return d.pages.size() == 2 && HasRun(d, U"Lösung"); });
    QTest::newRow("schreibzeilen") << Change([](auto& w) { Child<QSpinBox>(w, "schreibzeilen")->setValue(3); })
                                   << Holds([](Doc d) { return d.pages[0].strokes.size() == 12; });
    QTest::newRow("papier") << Change([](auto& w) { Child<QComboBox>(w, "papier")->setCurrentIndex(1); })
                            << Holds([](Doc d) { return d.size.width == 612.0; });
  }
  void theControlsShapeThePages() {
    QFETCH(Change, change);
    QFETCH(Holds, holds);
    ArbeitsblattWindow& w = Open(U"O_a\r\nmm", U"Oma\r\nmm");
    const int revision = w.PreviewRevision();
    const QImage before = w.Preview().PageImage(0);
    QVERIFY(!holds(w.Document()));
    change(w);
    QTRY_VERIFY_WITH_TIMEOUT(holds(w.Document()), 200);
    QVERIFY(w.PreviewRevision() > revision);
    // The answer key comes on a page of its own.
    if (QTest::currentDataTag() != QLatin1String("loesung")) QVERIFY(w.Preview().PageImage(0) != before);
  }

  void theSettingsAreKeptBetweenRuns() {
    {
      ArbeitsblattWindow& w = Open(U"Oma");
      Child<QSpinBox>(w, "groesse")->setValue(20);
      Child<QLineEdit>(w, "titel")->setText(QStringLiteral("Tiere"));
    }
    window_.reset();
    ArbeitsblattWindow& again = Open(U"Oma");
    const SheetSettings s = again.Panel().Settings();
    QCOMPARE(s.fontSize, 20);
    QCOMPARE(QString::fromStdU32String(s.title), QStringLiteral("Tiere"));
  }

  void savingWritesAPdfUnderTheChosenName() {
    ArbeitsblattWindow& w = Open(U"Oma liest am Abend.");
    w.choosePdfFile = [this](QWidget*) { return Path("blatt"); };
    Child<QPushButton>(w, "pdfspeichern")->click();
    QVERIFY(QFile::exists(Path("blatt.pdf")));
    QCOMPARE(PdfPages(Path("blatt.pdf")), 1);
    QVERIFY(PdfText(Path("blatt.pdf")).contains("Oma liest am Abend."));
  }

  void aFailedSaveIsReportedAndWritesNothing() {
    ArbeitsblattWindow& w = Open(U"Oma");
    w.choosePdfFile = [this](QWidget*) { return Path("fehlt/blatt.pdf"); };
    ui_->AnswerMessage(kAnswerOk);
    Child<QPushButton>(w, "pdfspeichern")->click();
    QCOMPARE(int(ui_->Shown().size()), 1);
    QCOMPARE(QString::fromStdU32String(ui_->Shown()[0].prompt),
             QStringLiteral("Das Arbeitsblatt konnte nicht gespeichert werden.\r\n"
                            "Das Verzeichnis ist nicht vorhanden."));
    QCOMPARE(ui_->Shown()[0].style, style::kOkStop);
    QVERIFY(!QFile::exists(Path("fehlt/blatt.pdf")));
  }

  void aCancelledSaveWritesNothing() {
    ArbeitsblattWindow& w = Open(U"Oma");
    w.choosePdfFile = [](QWidget*) { return QString(); };
    Child<QPushButton>(w, "pdfspeichern")->click();
    QCOMPARE(QDir(dir_->path()).entryList({"*.pdf"}).size(), 0);
    QVERIFY(ui_->Shown().empty());
  }

  void printingWithoutAPrinterShowsThePrintIconsMessage() {
    ArbeitsblattWindow& w = Open(U"Oma");
    printers_.present = false;
    bool dialogShown = false;
    w.runPrintDialog = [&dialogShown](QPrinter&, QWidget*) { return dialogShown = true; };
    ui_->AnswerMessage(kAnswerOk);
    Child<QPushButton>(w, "drucken")->click();
    QVERIFY(!dialogShown);
    QCOMPARE(int(ui_->Shown().size()), 1);
    QCOMPARE(QString::fromStdU32String(ui_->Shown()[0].prompt),
             QStringLiteral("Es ist kein Drucker eingerichtet.\r\nKein Drucker gefunden."));
    QCOMPARE(QString::fromStdU32String(ui_->Shown()[0].title), QStringLiteral("Tesmoran drucken"));
    QCOMPARE(ui_->Shown()[0].style, style::kOkStop);
  }

  void printingSendsEveryPageToTheChosenPrinter() {
    ArbeitsblattWindow& w = Open(U"O_a", U"Oma");
    Child<QCheckBox>(w, "loesung")->setChecked(true);
    const QString out = Path("gedruckt.pdf");
    w.runPrintDialog = [out](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(out);
      return true;
    };
    Child<QPushButton>(w, "drucken")->click();
    QCOMPARE(PdfPages(out), 2);
    QVERIFY(PdfText(out, 2).contains("Lösung"));
  }

  void syllableMarksNeedAnEngine() {
    ArbeitsblattWindow& w = Open(U"Oma Abend");
    QVERIFY(!Child<QComboBox>(w, "silben")->isEnabled());
    Child<QComboBox>(w, "silben")->setCurrentIndex(int(SyllableMarks::kColours));
    QTest::qWait(ArbeitsblattWindow::kPreviewDelayMs * 3);
    QCOMPARE(BlueAndRedPixels(w.Preview().PageImage(0)), std::make_pair(0, 0));

    w.SetSyllabifier(&kSyllables);
    QVERIFY(Child<QComboBox>(w, "silben")->isEnabled());
    const auto [blue, red] = BlueAndRedPixels(w.Preview().PageImage(0));
    QVERIFY(blue > 10);
    QVERIFY(red > 10);
  }

  void theExceptionListIsEditedAndSaved() {
    ArbeitsblattWindow& w = Open(U"Oma");
    w.exceptionsPath = Path("daten/ausnahmen.txt");
    QDir().mkpath(Path("daten"));
    WriteBytes(w.exceptionsPath, "Ü-bung\n");
    int changes = 0;
    w.exceptionsChanged = [&changes] { ++changes; };
    w.runExceptionsDialog = [](QDialog& dialog) {
      auto* editor = dialog.findChild<QPlainTextEdit*>(QStringLiteral("ausnahmenliste"));
      if (!editor || editor->toPlainText() != QStringLiteral("Ü-bung\n")) return false;
      editor->moveCursor(QTextCursor::End);
      editor->insertPlainText(QStringLiteral("O-ma\n"));
      dialog.findChild<QPushButton*>(QStringLiteral("speichern"))->click();
      return dialog.result() == QDialog::Accepted;
    };
    Child<QPushButton>(w, "ausnahmen")->click();
    QCOMPARE(changes, 1);
    QCOMPARE(QString::fromUtf8(FileBytes(w.exceptionsPath)), QStringLiteral("Ü-bung\nO-ma\n"));
    QCOMPARE(QFile::permissions(w.exceptionsPath) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
  }

  // A list that cannot be shown is never saved over: a folder in its place
  // is reported and no editor opens.
  void anUnreadableExceptionListIsReportedNotReplaced() {
    ArbeitsblattWindow& w = Open(U"Oma");
    w.exceptionsPath = Path("daten-ordner/ausnahmen.txt");
    QVERIFY(QDir().mkpath(w.exceptionsPath));
    bool opened = false;
    w.runExceptionsDialog = [&opened](QDialog&) { return opened = true; };
    ui_->AnswerMessage(kAnswerOk);
    Child<QPushButton>(w, "ausnahmen")->click();
    QVERIFY(!opened);
    QCOMPARE(int(ui_->Shown().size()), 1);
    QVERIFY(ui_->Shown()[0].prompt.find(U"ist ein Ordner") != Text::npos);
    QVERIFY(QFileInfo(w.exceptionsPath).isDir());
  }
};

QTEST_MAIN(TestArbeitsblatt)
#include "arbeitsblatt_test.moc"
