// The main window's file icons, and the printed pages written as PDF files.
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "QtTestSupport.h"
#include "files/PrintLines.h"
#include "files/Printing.h"
#include "platform/qt/QtPrinter.h"
#include "test_form1_support.h"
#include "ui/Form3.h"

using namespace tesmoran;
using tesmoran::testing::ScriptedUi;

namespace {

// The text of a PDF file as the poppler tools read it; pages end with a
// form feed.
QString PdfText(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// The non-empty lines of a PDF's text, trailing spaces dropped.
QStringList PdfLines(const QString& pdf) {
  QStringList lines;
  for (QString line : PdfText(pdf).split('\n')) {
    line.remove('\f');
    while (line.endsWith(' ')) line.chop(1);
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

QStringList Expected(const Text& text) {
  QStringList lines;
  for (const Text& line : PaperLines(text)) {
    QString shown = ToQString(line);
    while (shown.endsWith(' ')) shown.chop(1);
    if (!shown.isEmpty()) lines << shown;
  }
  return lines;
}

// A main window with scripted boxes and a solution text.
struct ScriptedForm {
  explicit ScriptedForm(const QString& solution) {
    form.SetUiServices(&ui);
    testing::PasteInto(form, "Text2", solution);
  }
  Form1 form;
  ScriptedUi ui;
};

}  // namespace

class TestFiles : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir scratch_;
  QString previousDir_;

  QString PrintToPdf(const Text& text, const char* name) {
    const QString pdf = scratch_.filePath(QString::fromLatin1(name));
    QtPrinterProvider printers;
    Text reason;
    auto printer = printers.PdfPrinter(std::filesystem::path(QFile::encodeName(pdf).toStdString()), reason);
    if (!printer || !PrintText(text, *printer, reason)) return {};
    return pdf;
  }

 private Q_SLOTS:
  void initTestCase() {
    tesmoran::testing::InstallQtTestFailureHandler();
    QVERIFY(scratch_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(scratch_.path());
  }
  void cleanupTestCase() { QDir::setCurrent(previousDir_); }

  void printedPdfShowsTheBrokenLines() {
    const Text text = U"Die Katze schläft auf dem warmen Ofen, der Hund bellt laut im Garten.\r\n"
                      U"Ein_ganz_langes_Wort_ohne_jede_Lücke_bis_weit_über_den_Rand_hinaus";
    const QString pdf = PrintToPdf(text, "zeilen.pdf");
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(PdfLines(pdf), Expected(text));
    QCOMPARE(PdfLines(pdf).first(), QStringLiteral("Die Katze schläft auf dem warmen Ofen, der"));
  }

  void fullPageStartsANewOne() {
    Text text;
    for (int i = 1; i <= 120; ++i) text += U"Zeile " + FromQString(QString::number(i)) + U"\r\n";
    const QString pdf = PrintToPdf(text, "seiten.pdf");
    QVERIFY(!pdf.isEmpty());
    const QString all = PdfText(pdf);
    QVERIFY2(all.count('\f') >= 3, qPrintable(QString::number(all.count('\f'))));
    QCOMPARE(PdfLines(pdf), Expected(text));
  }

  void saveIconWritesTheSolutionText() {
    ScriptedForm scripted(QStringLiteral("Lösung eins\nLösung zwei"));
    scripted.ui.AnswerMessage(kAnswerYes).AnswerInput(U"blatt.txt");
    testing::Click(scripted.form, "Bild6");
    QFile saved(scratch_.filePath("blatt.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("L\xF6sung eins\r\nL\xF6sung zwei\r\n"));
  }

  void saveIconWithPdfNameWritesThePrintedPages() {
    ScriptedForm scripted(QStringLiteral("DER HUND BELLT."));
    scripted.ui.AnswerMessage(kAnswerYes).AnswerInput(U"Blatt.PDF");
    testing::Click(scripted.form, "Bild6");
    QCOMPARE(PdfLines(scratch_.filePath("Blatt.PDF")), (QStringList{"DER HUND", "BELLT."}));
  }

  void printIconWithoutPrinterExplains() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer is set up here; nothing is printed");
    ScriptedForm scripted(QStringLiteral("Text"));
    scripted.ui.AnswerMessage(kAnswerYes).AnswerMessage();
    testing::Click(scripted.form, "Bild9");
    const auto& shown = scripted.ui.Shown();
    QCOMPARE(shown.size(), std::size_t{2});
    QVERIFY(ToQString(shown[1].prompt).startsWith(QStringLiteral("Es ist kein Drucker eingerichtet.")));
    QCOMPARE(shown[1].style, style::kOkStop);
  }

  void loadIconHidesTheMainWindowAndOpensTheFileWindowOnce() {
    Form1 form;
    form.show();
    testing::Click(form, "Bild5");
    auto* files = form.findChild<Form3*>(QStringLiteral("Form3"));
    QVERIFY(files);
    QVERIFY(files->isVisible());
    QVERIFY(!form.isVisible());
    QTest::mouseClick(files->findChild<QPushButton*>(QStringLiteral("Befehl1")), Qt::LeftButton);
    QVERIFY(form.isVisible());
    testing::Click(form, "Bild5");
    QCOMPARE(form.findChildren<Form3*>().size(), 1);
  }

  void ladenInTheFileWindowIsOneUndoStepOfTheOriginalText() {
    QFile file(scratch_.filePath("laden.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("eins, zwei\r\ndrei");
    file.close();
    Form1 form;
    form.show();
    testing::PasteInto(form, "Text1", QStringLiteral("vorher"));
    testing::Click(form, "Bild5");
    auto* window = form.findChild<Form3*>(QStringLiteral("Form3"));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("Datei1"));
    QListWidgetItem* item = list->findItems(QStringLiteral("laden.txt"), Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Befehl2")), Qt::LeftButton);
    QCOMPARE(testing::FieldText(form, "Text1"), Text(U"eins zwei drei"));
    testing::Field(form, "Text1")->undo();
    QCOMPARE(testing::FieldText(form, "Text1"), Text(U"vorher"));
  }
};

QTEST_MAIN(TestFiles)
#include "test_files.moc"
