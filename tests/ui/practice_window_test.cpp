// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's window on the main window: Ctrl+U opens it, it makes
// the page from the marked part of the original text with the chosen
// exercises, level, title and aids, writes one file or one per level, keeps
// an old file when a write cannot be done, and remembers its choices.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "form1_test_support.h"
#include "ui/practice/PracticeWindow.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// The main window with a text of which the second sentence is marked, and
// its practice window opened by Ctrl+U.
struct PracticeSetup {
  PracticeSetup() {
    form.SetUiServices(&ui);
    ShowActive(form);
    PasteInto(form, "Text1", QStringLiteral("Oma isst Eis. Der Hund bellt laut."));
    Field(form, "Text1")->setFocus();
    QTextCursor marked = Field(form, "Text1")->textCursor();
    marked.setPosition(14);
    marked.setPosition(34, QTextCursor::KeepAnchor);
    Field(form, "Text1")->setTextCursor(marked);
    QTest::keyClick(Field(form, "Text1"), Qt::Key_U, Qt::ControlModifier);
    window = form.findChild<PracticeWindow*>();
    if (!window) qFatal("Ctrl+U opened no practice window");
    window->chooseHtmlFile = [this](QWidget*, const QString&) { return target; };
  }
  void Choose(const char* exercise, int level, const QString& title) {
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
      if (box->objectName().startsWith(QLatin1String("Befehl"))) box->setChecked(box->objectName() == exercise);
    }
    Child<QComboBox>(*window, "stufe")->setCurrentIndex(level);
    Child<QLineEdit>(*window, "titel")->setText(title);
  }

  QTemporaryDir dir;
  QString target = dir.filePath(QStringLiteral("seite.html"));
  ScriptedUi ui;
  Form1 form;
  PracticeWindow* window = nullptr;
};

}  // namespace

class PracticeWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  // The file holds exactly the page the core makes of the marked part with
  // the choices of the window.
  void savesThePageOfTheMarkedPart() {
    PracticeSetup s;
    s.Choose("Befehl31", 2, QStringLiteral("Tiere <im> Garten"));
    Click(*s.window, "speichern");
    QTRY_VERIFY(QFile::exists(s.target));
    PracticePageOptions expected = s.window->ChosenOptions();
    expected.text = U"Der Hund bellt laut.";
    QCOMPARE(expected.title, Text(U"Tiere <im> Garten"));
    QCOMPARE(FileBytes(s.target), QByteArray::fromStdString(BuildPracticePage(expected, PracticeLevel::kHard)));
    QCOMPARE(Child<QLabel>(*s.window, "meldung")->text(), QStringLiteral("Gespeichert: seite.html"));
  }

  // With "Sätze als Ton mitgeben" the page carries the marked sentence
  // spoken, and its policy lets it play sound from itself only.
  void theSpokenSentenceGoesIntoThePageWhenAsked() {
    PracticeSetup s;
    s.Choose("Befehl31", 0, QString());
    Child<QCheckBox>(*s.window, "ton")->setChecked(true);
    Click(*s.window, "speichern");
    QTRY_VERIFY(QFile::exists(s.target));
    const QByteArray page = FileBytes(s.target);
    QVERIFY(page.contains("media-src data:"));
    QVERIFY(page.contains("\"T2dnUw"));  // Base64 of the Ogg stream's first bytes
    QCOMPARE(Child<QLabel>(*s.window, "meldung")->text(), QStringLiteral("Gespeichert: seite.html"));
  }

  void allThreeLevelsWriteOneFileEach() {
    PracticeSetup s;
    s.target = s.dir.filePath(QStringLiteral("tiere"));  // the extension is added
    s.Choose("Befehl1", 3, QString());
    Click(*s.window, "speichern");
    const QStringList names{"tiere-leicht.html", "tiere-mittel.html", "tiere-schwer.html"};
    for (const QString& name : names) QTRY_VERIFY2(QFile::exists(s.dir.filePath(name)), qPrintable(name));
    QVERIFY(FileBytes(s.dir.filePath(names[0])).contains("★"));
    QCOMPARE(Child<QLabel>(*s.window, "meldung")->text(), QStringLiteral("Gespeichert: ") + names.join(", "));
  }

  // One level's file cannot be written (a folder stands there): nothing is
  // written, the old page of another level stays, and a message says which.
  void aWriteThatCannotBeDoneKeepsTheOldFiles() {
    PracticeSetup s;
    QVERIFY(QDir(s.dir.path()).mkdir(QStringLiteral("seite-mittel.html")));
    const QString old = WriteBytes(s.dir.filePath(QStringLiteral("seite-leicht.html")), "alt");
    s.Choose("Befehl31", 3, QString());
    s.ui.AnswerMessage();
    Click(*s.window, "speichern");
    QTRY_COMPARE(s.ui.Shown().size(), std::size_t{1});
    QVERIFY(s.ui.Shown()[0].prompt.find(U"seite-mittel.html“ wurde nicht geschrieben") != Text::npos);
    QCOMPARE(s.ui.Shown()[0].style, style::kOkStop);
    QCOMPARE(FileBytes(old), QByteArray("alt"));
    QVERIFY(!QFile::exists(s.dir.filePath(QStringLiteral("seite-schwer.html"))));
  }

  void nothingToMakeIsSaidAndAsksForNoFile() {
    PracticeSetup s;
    bool asked = false;
    s.window->chooseHtmlFile = [&asked](QWidget*, const QString&) {
      asked = true;
      return QString();
    };
    s.Choose("keine", 0, QString());
    s.ui.AnswerMessage();
    Click(*s.window, "speichern");
    QTRY_COMPARE(s.ui.Shown().size(), std::size_t{1});
    QCOMPARE(s.ui.Shown()[0].prompt, Text(U"Bitte mindestens eine Übung ankreuzen."));
    QVERIFY(!asked);
  }

  // "Im Browser ansehen": the easy page in a folder of the user's alone.
  void viewOpensThePageInAPrivateFolder() {
    PracticeSetup s;
    s.Choose("Befehl31", 3, QString());
    QString opened;
    s.window->openInBrowser = [&opened](const QString& path) {
      opened = path;
      return true;
    };
    Click(*s.window, "ansehen");
    QTRY_VERIFY(!opened.isEmpty());
    QVERIFY(opened.endsWith(QLatin1String("uebungsseite-leicht.html")));
    QVERIFY(FileBytes(opened).contains("<html"));
    QCOMPARE(QFileInfo(QFileInfo(opened).absolutePath()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFileDevice::Permissions());
  }

  void choicesAreRememberedForTheNextWindow() {
    {
      PracticeSetup s;
      s.Choose("Befehl29", 1, QStringLiteral("Mein Titel"));
      Child<QCheckBox>(*s.window, "silben")->setChecked(true);
      Child<QCheckBox>(*s.window, "loesung")->setChecked(false);
      Child<QCheckBox>(*s.window, "ton")->setChecked(true);
      s.window->close();
    }
    PracticeWindow again(PracticeWindow::Host{});
    const PracticePageOptions options = again.ChosenOptions();
    QCOMPARE(options.exercises.size(), std::size_t{1});
    QCOMPARE(QString::fromLatin1(options.exercises[0]->button), QStringLiteral("Befehl29"));
    QCOMPARE(again.ChosenLevel(), LevelChoice::kMedium);
    QCOMPARE(options.title, Text(U"Mein Titel"));
    QVERIFY(options.syllablesEverywhere);
    QVERIFY(!options.solutionAllowed);
    QVERIFY(options.spokenSentences);
  }
};

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
