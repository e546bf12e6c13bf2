// SPDX-License-Identifier: GPL-3.0-or-later
// A text file named on the command line: which argument names it, and that
// it loads into the original text as the file window's "Laden" loads it.
#include <QTemporaryDir>

#include "form1_test_support.h"
#include "ui/main/StartFile.h"

using namespace tesmoran;
using namespace tesmoran::testing;

class StartFileTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void argumentNamingTheFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("no argument") << QStringList{"tesmoran"} << QString();
    QTest::newRow("options before it") << QStringList{"tesmoran", "--style", "brief.txt"} << "brief.txt";
    QTest::newRow("only options") << QStringList{"tesmoran", "--reverse"} << QString();
    QTest::newRow("name after --") << QStringList{"tesmoran", "--", "-brief.txt"} << "-brief.txt";
    QTest::newRow("first of two") << QStringList{"tesmoran", "a.txt", "b.txt"} << "a.txt";
  }
  void argumentNamingTheFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(StartFileArgument(arguments), file);
  }

  // The decoding and joining of lines themselves: file_loading_test.cpp.
  void fileBecomesTheOriginalTextInOneUndoStep() {
    QTemporaryDir dir;
    Window w;
    PasteInto(w.form, "Text1", "vorher");
    LoadStartFile(w.form, WriteBytes(dir.filePath("brief.txt"),
                                     "Der Hund, die Katze\r\nund die Gr\xfc\xdf"
                                     "e."));
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"Der Hund die Katze und die Grüße."));
    QCOMPARE(w.ui.Shown().size(), std::size_t{0});
    Field(w.form, "Text1")->undo();  // one undo step brings the text back
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"vorher"));
  }

  // No to the question keeps everything: file_loading_test.cpp.
  void longFileAsksFirstAndYesLoadsIt() {
    QTemporaryDir dir;
    Window w;
    PasteInto(w.form, "Text1", "vorher");
    w.ui.AnswerMessage(kAnswerYes);
    // 31001 bytes: one more than loads without a question.
    LoadStartFile(w.form, WriteBytes(dir.filePath("lang.txt"), QByteArray(30000, 'a') + "\n" + QByteArray(1000, 'b')));
    QCOMPARE(w.ui.Shown().size(), std::size_t{1});
    QCOMPARE(w.ui.Shown().front().style, int(style::kYesNoQuestion));  // its wording: file_loading_test.cpp
    QCOMPARE(FieldText(w.form, "Text1"), Text(30000, U'a') + U" " + Text(1000, U'b'));
  }

  // Which files cannot be loaded, and the wording: file_loading_test.cpp.
  void fileThatCannotBeLoadedIsReportedAndLosesNothing() {
    QTemporaryDir dir;
    Window w;
    PasteInto(w.form, "Text1", "vorher");
    w.ui.AnswerMessage(kAnswerOk);
    LoadStartFile(w.form, dir.filePath("fehlt.txt"));
    QCOMPARE(w.ui.Shown().size(), std::size_t{1});
    QCOMPARE(w.ui.Shown().front().title, Text(U"Dateifehler"));
    QCOMPARE(w.ui.Shown().front().style, 16);
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"vorher"));
  }
};

QTEST_MAIN(StartFileTest)
#include "start_file_test.moc"
