// SPDX-License-Identifier: GPL-3.0-or-later
// The file window driven through its real widgets in a scratch directory,
// the main window's file icons, and the printed pages written as PDF files.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "files/PrintLines.h"
#include "form1_test_support.h"
#include "sheet_pdf_tools.h"
#include "ui/files/Form3.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

QStringList NonEmptyLines(const QStringList& lines) {
  QStringList kept;
  for (QString line : lines) {
    while (line.endsWith(' ')) line.chop(1);
    if (!line.isEmpty()) kept << line;
  }
  return kept;
}

// The non-empty lines of a PDF's text as the poppler tools read it, trailing
// spaces dropped; `pages` gets the number of page ends.
QStringList PdfLines(const QString& pdf, int* pages) {
  QString all = RunTool("pdftotext", {"-layout", pdf, "-"});
  *pages = int(all.count('\f'));
  return NonEmptyLines(all.remove('\f').split('\n'));
}

const QString kBriefPreview = QStringLiteral("Der Hund die Katze und die Maus.");

}  // namespace

class TestFiles : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir scratch_;
  QString previousDir_;
  std::unique_ptr<QWidget> main_;
  Form3* files_ = nullptr;
  std::unique_ptr<ScriptedUi> ui_;
  Worksheet sheet_;

  QString Dir() const { return QDir(scratch_.path()).canonicalPath(); }
  QString Path() const { return Child<QLabel>(*files_, "Bezeichnung1")->text(); }
  QString Preview() const { return Field(*files_, "Text1")->toPlainText(); }
  void ClickFile(const QString& name) {
    QListWidget* list = List(*files_, "Datei1");
    QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(name));
    ClickRow(list, item);
  }
  void Press(const char* button) { QTest::mouseClick(Child<QPushButton>(*files_, button), Qt::LeftButton); }
  bool BackInTheMainWindow() const { return !files_->isVisible() && main_->isVisible(); }

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    QVERIFY(scratch_.isValid());
    WriteBytes(scratch_.filePath("brief.txt"), "Der Hund, die Katze\r\nund die Maus.\r\n");
    WriteBytes(scratch_.filePath("B.TXT"),
               "Gr\xF6\xDF"
               "e");
    for (const char* name : {"c.Doc", "d.dok", "e.asc", "f.dat", "g.pdf", "h.txt.bak", "leer.txt"}) {
      WriteBytes(scratch_.filePath(QLatin1String(name)), name[0] == 'l' ? "" : "x");
    }
    QVERIFY(QDir(scratch_.path()).mkdir(QStringLiteral("Unterordner")));
    WriteBytes(scratch_.filePath("Unterordner/innen.txt"), "innen");
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(scratch_.path());
  }
  void cleanupTestCase() { QDir::setCurrent(previousDir_); }

  // The file window alone, over a stand-in main window.
  void init() {
    sheet_ = Worksheet{};
    ui_ = std::make_unique<ScriptedUi>();
    main_ = std::make_unique<QWidget>();
    main_->show();
    Form3::Host host{main_.get(), [this](const Command& command) { command(sheet_, *ui_); }};
    files_ = new Form3(std::move(host), main_.get());
    files_->Open();
  }
  void cleanup() { main_.reset(); }

  void listsTheTextFilesClickShowsPathAndPreviewLadenTakesIt() {
    QVERIFY(files_->isVisible() && !main_->isVisible());
    QCOMPARE(Entries(List(*files_, "Datei1")),
             (QStringList{"B.TXT", "brief.txt", "c.Doc", "d.dok", "e.asc", "f.dat", "leer.txt"}));
    ClickFile("brief.txt");
    QCOMPARE(Path(), Dir() + "/brief.txt");
    QCOMPARE(Preview(), kBriefPreview);
    QVERIFY(sheet_.Text1.text.empty());
    ClickFile("B.TXT");
    Press("Befehl2");  // "Laden"
    QCOMPARE(sheet_.Text1.text, Text(U"Größe"));
    QVERIFY(BackInTheMainWindow());
  }

  void ladenWithoutAFileAsksForOne() {
    ui_->AnswerMessage();
    Press("Befehl2");
    QCOMPARE(ui_->Shown().at(0).prompt, Text(U"Erst eine Datei auswählen!"));
    QVERIFY(files_->isVisible());
    QVERIFY(sheet_.Text1.text.empty());
  }

  void abbruchOrClosingReturnsWithoutTouchingTheOriginalText() {
    sheet_.Text1.Set(U"bleibt");
    ClickFile("brief.txt");
    Press("Befehl1");  // "Abbruch"
    QVERIFY(BackInTheMainWindow());
    files_->Open();
    QCOMPARE(Preview(), kBriefPreview);  // the window keeps its state while hidden
    QVERIFY(files_->close());
    QVERIFY(BackInTheMainWindow());
    QCOMPARE(sheet_.Text1.text, Text(U"bleibt"));
  }

  void doubleClickOnADirectoryShowsItsFiles() {
    QListWidget* dirs = List(*files_, "Verzeichnis1");
    ClickRow(dirs, dirs->findItems("Unterordner", Qt::MatchEndsWith).value(0), true);
    QCOMPARE(Entries(List(*files_, "Datei1")), QStringList{"innen.txt"});
    ClickFile("innen.txt");
    QCOMPARE(Path(), Dir() + "/Unterordner/innen.txt");
    QCOMPARE(Preview(), QStringLiteral("innen"));
  }

  // Names from an old disk that are not UTF-8: the folder is listed readably
  // and opens by its bytes, the file in it is listed readably and read.
  void namesThatAreNotUtf8AreListedReadablyAndOpen() {
    QTemporaryDir old;
    const std::filesystem::path folder = std::filesystem::path(QFile::encodeName(old.path()).toStdString()) /
                                         "\xDC"
                                         "bungen";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "\xE4rger.txt", std::ios::binary) << "Gro\xDF"
                                                                "er \xC4rger";
    const QString before = QDir::currentPath();
    QDir::setCurrent(old.path());
    Form3 window(Form3::Host{main_.get(), [this](const Command& command) { command(sheet_, *ui_); }});
    QDir::setCurrent(before);
    window.Open();
    QListWidget* dirs = List(window, "Verzeichnis1");
    QListWidgetItem* shown = dirs->findItems(QStringLiteral("Übungen"), Qt::MatchEndsWith).value(0);
    QVERIFY(shown);
    ClickRow(dirs, shown, true);
    QListWidget* files = List(window, "Datei1");
    QCOMPARE(Entries(files), QStringList{QStringLiteral("ärger.txt")});
    ClickRow(files, files->item(0));
    QCOMPARE(Child<QLabel>(window, "Bezeichnung1")->text(), QDir(old.path()).canonicalPath() + "/Übungen/ärger.txt");
    QCOMPARE(Field(window, "Text1")->toPlainText(), QStringLiteral("Großer Ärger"));
    QVERIFY(ui_->Shown().empty());
    std::filesystem::remove_all(folder);
  }

  void driveNotReadyGoesBackAndWarns() {
    auto* drives = Child<QComboBox>(*files_, "Laufwerk1");
    const QString before = drives->currentText();
    drives->addItem("/gibt/es/nicht", "/gibt/es/nicht");
    ui_->AnswerMessage();
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->count() - 1);
    QCOMPARE(ui_->Shown().at(0).prompt, Text(U"Laufwerk ist nicht bereit!\r"));
    QCOMPARE(drives->currentText(), before);
  }

  // ---- through the main window ----

  void loadIconHidesTheMainWindowUntilLadenTakesTheFileAsOneUndoStep() {
    Form1 form;
    form.show();
    PasteInto(form, "Text1", QStringLiteral("vorher"));
    Click(form, "Bild5");
    auto* window = form.findChild<Form3*>(QStringLiteral("Form3"));
    QVERIFY(window && window->isVisible());
    QVERIFY(!form.isVisible());
    QListWidget* list = List(*window, "Datei1");
    ClickRow(list, list->findItems(QStringLiteral("brief.txt"), Qt::MatchExactly).value(0));
    QTest::mouseClick(Child<QPushButton>(*window, "Befehl2"), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(FieldText(form, "Text1"), FromQString(kBriefPreview));
    Field(form, "Text1")->undo();
    QCOMPARE(FieldText(form, "Text1"), Text(U"vorher"));
    Click(form, "Bild5");
    QCOMPARE(form.findChildren<Form3*>().size(), 1);
  }

  // A failed load before any file has loaded leaves the original text
  // alone instead of putting the preview's placeholder there.
  void failedFirstLoadKeepsTheOriginalText() {
    Window w;
    PasteInto(w.form, "Text1", QStringLiteral("vorher"));
    Click(w.form, "Bild5");
    auto* window = w.form.findChild<Form3*>(QStringLiteral("Form3"));
    QVERIFY(window);
    QListWidget* list = List(*window, "Datei1");
    w.ui.AnswerMessage().AnswerMessage();
    ClickRow(list, list->findItems(QStringLiteral("leer.txt"), Qt::MatchExactly).value(0));
    QTest::mouseClick(Child<QPushButton>(*window, "Befehl2"), Qt::LeftButton);
    QCOMPARE(w.ui.Shown().size(), std::size_t{2});
    QCOMPARE(w.ui.Shown().at(1).title, Text(U"Dateifehler"));
    QVERIFY(w.form.isVisible());
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"vorher"));
  }

  // A text file, or with a PDF name the printed pages: long lines broken,
  // full pages continued on the next.
  void saveIconWritesTheSolutionTextAsFileOrPrintedPages() {
    QStringList lines{"Die Katze schläft auf dem warmen Ofen, der Hund bellt laut im Garten.",
                      "Ein_ganz_langes_Wort_ohne_jede_Lücke_bis_weit_über_den_Rand_hinaus"};
    for (int i = 1; i <= 120; ++i) lines << QStringLiteral("Zeile %1").arg(i);
    Window w;
    PasteInto(w.form, "Text2", lines.join('\n'));
    w.ui.AnswerMessage(kAnswerYes).AnswerInput(U"blatt.txt").AnswerMessage(kAnswerYes).AnswerInput(U"Blatt.PDF");
    Click(w.form, "Bild6");
    Click(w.form, "Bild6");
    QCOMPARE(FileBytes(scratch_.filePath("blatt.txt")), (lines.join("\r\n") + "\r\n").toLatin1());
    QStringList printed;
    for (const Text& line : PaperLines(FromQString(lines.join("\r\n")))) printed << ToQString(line);
    int pages = 0;
    const QStringList shown = PdfLines(scratch_.filePath("Blatt.PDF"), &pages);
    QCOMPARE(shown, NonEmptyLines(printed));
    QCOMPARE(shown.first(), QStringLiteral("Die Katze schläft auf dem warmen Ofen, der"));
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
  }

  void printIconWithoutPrinterExplains() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer is set up here; nothing is printed");
    Window w;
    PasteInto(w.form, "Text2", QStringLiteral("Text"));
    w.ui.AnswerMessage(kAnswerYes).AnswerMessage();
    Click(w.form, "Bild9");
    const QString prompt = ToQString(w.ui.Shown().at(1).prompt);
    QVERIFY(
        prompt.startsWith(QStringLiteral("Es ist kein Drucker eingerichtet. Das Arbeitsblatt lässt sich aber als "
                                         "PDF-Datei speichern")));
    QCOMPARE(w.ui.Shown()[1].style, style::kOkStop);
  }
};

QTEST_MAIN(TestFiles)
#include "files_test.moc"
