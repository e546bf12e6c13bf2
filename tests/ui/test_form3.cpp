// The file window driven through its real widgets in a scratch directory.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "QtTestSupport.h"
#include "platform/qt/QtText.h"
#include "ui/Form3.h"

using tesmoran::Form3;
using tesmoran::Text;
using tesmoran::Worksheet;
using tesmoran::testing::ScriptedUi;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QStringList Texts(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

}  // namespace

class TestForm3 : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir scratch_;
  QString previousDir_;
  QWidget* main_ = nullptr;
  Form3* form_ = nullptr;
  ScriptedUi* ui_ = nullptr;
  Worksheet sheet_;

  template <class T>
  T* Control(const char* name) {
    return form_->findChild<T*>(QString::fromLatin1(name));
  }
  QString Dir() const { return QDir(scratch_.path()).canonicalPath(); }
  QListWidgetItem* FileItem(const QString& name) {
    const auto found = Control<QListWidget>("Datei1")->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
  }
  void ClickFile(const QString& name) {
    auto* list = Control<QListWidget>("Datei1");
    QListWidgetItem* item = FileItem(name);
    QVERIFY2(item, qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  void Click(const char* button) { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); }
  QString Preview() { return Control<QPlainTextEdit>("Text1")->toPlainText(); }

 private Q_SLOTS:
  void initTestCase() {
    tesmoran::testing::InstallQtTestFailureHandler();
    QVERIFY(scratch_.isValid());
    WriteFile(scratch_.filePath("brief.txt"), "Der Hund, die Katze\r\nund die Maus.\r\n");
    WriteFile(scratch_.filePath("B.TXT"), "Gr\xF6\xDF" "e");
    WriteFile(scratch_.filePath("c.Doc"), "c");
    WriteFile(scratch_.filePath("d.dok"), "d");
    WriteFile(scratch_.filePath("e.asc"), "e");
    WriteFile(scratch_.filePath("f.dat"), "f");
    WriteFile(scratch_.filePath("g.pdf"), "g");
    WriteFile(scratch_.filePath("h.txt.bak"), "h");
    WriteFile(scratch_.filePath("leer.txt"), "");
    QVERIFY(QDir(scratch_.path()).mkdir(QStringLiteral("Unterordner")));
    WriteFile(scratch_.filePath("Unterordner/innen.txt"), "innen");
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(scratch_.path());
  }
  void cleanupTestCase() { QDir::setCurrent(previousDir_); }

  void init() {
    sheet_ = Worksheet{};
    ui_ = new ScriptedUi;
    main_ = new QWidget;
    main_->show();
    Form3::Host host{main_, [this](const tesmoran::Command& command) { command(sheet_, *ui_); }};
    form_ = new Form3(std::move(host), main_);
    form_->Open();
  }
  void cleanup() {
    delete main_;  // the file window goes with it
    delete ui_;
  }

  void opensOverTheHiddenMainWindow() {
    QVERIFY(form_->isVisible());
    QVERIFY(!main_->isVisible());
    QCOMPARE(form_->windowTitle(), QStringLiteral("TESMORAN: D a t e i e n"));
    QCOMPARE(Preview(), QStringLiteral("Text1"));
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), QString());
  }

  void listsTheTextFilesOfTheWorkingDirectory() {
    QCOMPARE(Texts(Control<QListWidget>("Datei1")),
             (QStringList{"B.TXT", "brief.txt", "c.Doc", "d.dok", "e.asc", "f.dat", "leer.txt"}));
    QVERIFY(!Control<QListWidget>("Verzeichnis1")->findItems("Unterordner", Qt::MatchEndsWith).isEmpty());
    QCOMPARE(Control<QComboBox>("Laufwerk1")->currentData().toString().isEmpty(), false);
  }

  void clickingAFileShowsItsPathAndPreview() {
    ClickFile("brief.txt");
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), Dir() + "/brief.txt");
    QCOMPARE(Preview(), QStringLiteral("Der Hund die Katze und die Maus."));
    QCOMPARE(tesmoran::ToQString(form_->Selection().SelectedFile), (Dir() + "/brief.txt").toUpper());
    QVERIFY(sheet_.WorkText.empty());
  }

  void ladenCopiesThePreviewAndReturns() {
    ClickFile("B.TXT");
    Click("Befehl2");
    QCOMPARE(tesmoran::ToQString(sheet_.Text1.text), QStringLiteral("Größe"));
    QVERIFY(!form_->isVisible());
    QVERIFY(main_->isVisible());
  }

  void ladenWithoutAFileAsksForOne() {
    ui_->AnswerMessage();
    Click("Befehl2");
    QCOMPARE(ui_->Shown().size(), std::size_t{1});
    QCOMPARE(tesmoran::ToQString(ui_->Shown()[0].prompt), QStringLiteral("Erst eine Datei auswählen!"));
    QVERIFY(form_->isVisible());
    QVERIFY(sheet_.Text1.text.empty());
  }

  void failedLoadKeepsThePreviousPreviewForLaden() {
    ClickFile("brief.txt");
    ui_->AnswerMessage().AnswerMessage();
    ClickFile("leer.txt");
    QCOMPARE(Preview(), QStringLiteral("Der Hund die Katze und die Maus."));
    Click("Befehl2");
    QCOMPARE(ui_->Shown().size(), std::size_t{2});
    QVERIFY(tesmoran::ToQString(ui_->Shown()[0].prompt).startsWith("LEER.TXT\n\r---"));
    QCOMPARE(tesmoran::ToQString(sheet_.Text1.text), QStringLiteral("Der Hund die Katze und die Maus."));
  }

  void abbruchReturnsWithoutTouchingTheOriginalText() {
    sheet_.Text1.Set(U"bleibt");
    ClickFile("brief.txt");
    Click("Befehl1");
    QCOMPARE(tesmoran::ToQString(sheet_.Text1.text), QStringLiteral("bleibt"));
    QVERIFY(!form_->isVisible());
    QVERIFY(main_->isVisible());
  }

  void closeButtonShowsTheMainWindow() {
    QVERIFY(form_->close());
    QVERIFY(!form_->isVisible());
    QVERIFY(main_->isVisible());
  }

  void stateSurvivesHidingAndShowing() {
    ClickFile("brief.txt");
    Click("Befehl1");
    form_->Open();
    QCOMPARE(Preview(), QStringLiteral("Der Hund die Katze und die Maus."));
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), Dir() + "/brief.txt");
  }

  void doubleClickOnADirectoryShowsItsFiles() {
    auto* dirs = Control<QListWidget>("Verzeichnis1");
    QListWidgetItem* sub = dirs->findItems("Unterordner", Qt::MatchEndsWith).first();
    const QPoint at = dirs->visualItemRect(sub).center();
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(Texts(Control<QListWidget>("Datei1")), QStringList{"innen.txt"});
    ClickFile("innen.txt");
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), Dir() + "/Unterordner/innen.txt");
    QCOMPARE(Preview(), QStringLiteral("innen"));
  }

  void keyboardMoveInTheFileListLoads() {
    auto* files = Control<QListWidget>("Datei1");
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Home);
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), Dir() + "/B.TXT");
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(Control<QLabel>("Bezeichnung1")->text(), Dir() + "/brief.txt");
    QCOMPARE(Preview(), QStringLiteral("Der Hund die Katze und die Maus."));
  }

  void anotherDriveAndBackShowsTheDirectoryLastShownThere() {
    auto* drives = Control<QComboBox>("Laufwerk1");
    const int home = drives->currentIndex();
    drives->addItem("Unterordner", Dir() + "/Unterordner");
    Q_EMIT drives->activated(drives->count() - 1);
    QCOMPARE(Texts(Control<QListWidget>("Datei1")), QStringList{"innen.txt"});
    Q_EMIT drives->activated(home);
    QCOMPARE(drives->currentIndex(), home);
    QVERIFY(FileItem("brief.txt"));
  }

  void driveNotReadyGoesBackAndWarns() {
    auto* drives = Control<QComboBox>("Laufwerk1");
    const QString before = drives->currentText();
    drives->addItem("/gibt/es/nicht", "/gibt/es/nicht");
    ui_->AnswerMessage();
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->count() - 1);
    QCOMPARE(ui_->Shown().size(), std::size_t{1});
    QCOMPARE(tesmoran::ToQString(ui_->Shown()[0].prompt), QStringLiteral("Laufwerk ist nicht bereit!\r"));
    QCOMPARE(tesmoran::ToQString(ui_->Shown()[0].title), QStringLiteral("Laufwerkfehler"));
    QCOMPARE(ui_->Shown()[0].style, tesmoran::style::kOkExclamation);
    QCOMPARE(drives->currentText(), before);
    QVERIFY(FileItem("brief.txt"));
  }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
