// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file as the user meets it: work typed into a running
// program survives the program being killed, is offered back at the next
// start, and a damaged file is never trusted.
#include <sys/stat.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "form1_test_support.h"
#include "ui/recovery/RecoveryOffer.h"
#include "ui/recovery/RecoveryWriter.h"
#include "worksheet/RecoveryFormat.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

constexpr const char* kTypingSession = "--typing-session";

// The permission bits as the file system reports them.
int ModeBits(const QString& path) {
  namespace fs = std::filesystem;
  return static_cast<int>(fs::status(QFile::encodeName(path).toStdString()).permissions() & fs::perms::mask);
}

std::optional<Worksheet> Recovered(const QString& path) {
  const QByteArray bytes = FileBytes(path);
  return ReadRecovery(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The other process of the kill test: a program that the user works in
// (original text typed, word list built and kept, «Hund» selected, mode
// "Lösungstext erweitern", solution text typed) until it is killed.
int TypingSession(int argc, char** argv) {
  QApplication app(argc, argv);
  Window w;
  auto* writer = new RecoveryWriter(w.form, QString::fromLocal8Bit(argv[2]));
  w.form.show();
  if (!QTest::qWaitForWindowExposed(&w.form)) return 2;
  if (OfferRecovery(w.form, w.ui, writer->FilePath())) return 3;
  writer->Start();
  QTest::keyClicks(Field(w.form, "Text1"), QStringLiteral("Der Hund bellt."));
  w.ui.AnswerMessage(kAnswerOk);
  Click(w.form, "Bild8");
  Click(w.form, "Befehl28");  // "Sichern"
  ClickRow(List(w.form, "Liste2"), List(w.form, "Liste2")->item(1));
  Click(w.form, "Bild7");
  ClickRow(List(w.form, "Liste3"), List(w.form, "Liste3")->item(kModeExtend));
  QTest::keyClicks(Field(w.form, "Text2"), QStringLiteral("Loesung"));
  std::printf("typed %s\n", qPrintable(writer->FilePath()));
  std::fflush(stdout);
  return QApplication::exec();
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { InstallQtTestFailureHandler(); }

  // Type, wait a moment, kill -9, start again, answer Yes: everything is back.
  void workTypedBeforeAKillComesBack() {
    QTemporaryDir folder;
    QProcess session;
    session.start(QCoreApplication::applicationFilePath(), {kTypingSession, folder.path()});
    QVERIFY(session.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(session.canReadLine() || session.state() == QProcess::NotRunning, 60000);
    const QByteArray typed = session.readLine().trimmed();
    QVERIFY2(typed.startsWith("typed "), typed.constData());
    const QString file = QString::fromLocal8Bit(typed.mid(6));
    QTRY_VERIFY_WITH_TIMEOUT(Recovered(file) && Recovered(file)->Text2 == U"Loesung", 10000);
    session.kill();  // SIGKILL: no chance to clean up
    QVERIFY(session.waitForFinished());
    QCOMPARE(session.exitStatus(), QProcess::CrashExit);

    Window w;
    RecoveryWriter writer(w.form, folder.path());
    QCOMPARE(writer.FilePath(), file);
    w.ui.AnswerMessage(kAnswerYes);
    QVERIFY(OfferRecovery(w.form, w.ui, writer.FilePath()));
    QCOMPARE(w.ui.Shown().at(0).prompt,
             Text(U"Die letzte Sitzung wurde nicht regulär beendet. Die Texte wiederherstellen?"));
    QCOMPARE(w.ui.Shown().at(0).style, 36);
    QCOMPARE(FieldText(w.form, "Text1"), Text(U"Der Hund bellt."));
    QCOMPARE(FieldText(w.form, "Text2"), Text(U"Loesung"));
    QCOMPARE(Entries(List(w.form, "Liste2")), QStringList({"Der", "Hund", "bellt"}));
    QCOMPARE(SelectedRows(List(w.form, "Liste2")), QList<int>({1}));
    QCOMPARE(w.form.windowTitle(), QStringLiteral("T E S M O R A N : Lösungstext erweitern"));
    QCOMPARE(w.form.Sheet().Liste4, std::vector<Text>({U"Der", U"Hund", U"bellt"}));
  }

  void aChangeReachesTheFileWithinTwoSeconds() {
    QTemporaryDir folder;
    Window w;
    RecoveryWriter writer(w.form, folder.path());
    writer.Start();
    QTest::keyClicks(Field(w.form, "Text2"), QStringLiteral("neu"));
    QTRY_VERIFY_WITH_TIMEOUT(Recovered(writer.FilePath()) && Recovered(writer.FilePath())->Text2 == U"neu", 2000);
  }

  void noDeletesTheFileAndRestoresNothing() {
    QTemporaryDir folder;
    Window w;
    RecoveryWriter writer(w.form, folder.path());
    Worksheet saved;
    saved.Text1.text = U"alt";
    WriteBytes(writer.FilePath(), QByteArray::fromStdString(WriteRecovery(saved)));
    w.ui.AnswerMessage(kAnswerNo);
    QVERIFY(!OfferRecovery(w.form, w.ui, writer.FilePath()));
    QVERIFY(!QFile::exists(writer.FilePath()));
    QVERIFY(FieldText(w.form, "Text1").empty());
  }

  // A file that is not intact is reported, kept aside as it was, and not
  // offered.
  void aDamagedFileIsReportedAndMovedAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    Worksheet saved;
    saved.Text1.text = U"Der Hund";
    const std::string whole = WriteRecovery(saved);
    QTest::newRow("cut short") << QByteArray::fromStdString(whole.substr(0, whole.size() / 2));
    QTest::newRow("another file") << QByteArray("Der Hund bellt.\r\n");
  }
  void aDamagedFileIsReportedAndMovedAside() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    Window w;
    RecoveryWriter writer(w.form, folder.path());
    WriteBytes(writer.FilePath(), bytes);
    w.ui.AnswerMessage(kAnswerOk);
    QVERIFY(!OfferRecovery(w.form, w.ui, writer.FilePath()));
    QCOMPARE(w.ui.Shown().size(), std::size_t(1));
    QCOMPARE(w.ui.Shown()[0].style, 48);
    QVERIFY(w.ui.Shown()[0].prompt.starts_with(U"Die Sicherung der letzten Sitzung ist beschädigt"));
    QVERIFY(!QFile::exists(writer.FilePath()));
    QCOMPARE(FileBytes(writer.FilePath() + ".beschaedigt"), bytes);
    QVERIFY(FieldText(w.form, "Text1").empty());
  }

  void aNormalEndRemovesTheFile() {
    QTemporaryDir folder;
    Window w;
    w.form.show();
    RecoveryWriter writer(w.form, folder.path());
    writer.Start();
    QTest::keyClicks(Field(w.form, "Text1"), QStringLiteral("Hund"));
    QTRY_VERIFY(QFile::exists(writer.FilePath()));
    w.ui.AnswerMessage(kAnswerYes);
    Click(w.form, "Bild2");
    QVERIFY(!QFile::exists(writer.FilePath()));
  }

  // The texts are the user's alone: folder 0700, file and lock 0600, even
  // under the usual umask and when the folder was open to others before.
  void theFolderAndItsFilesAreTheUsersAlone() {
    QTemporaryDir parent;
    const QString folder = parent.path() + QStringLiteral("/Tesmoran");
    QVERIFY(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    const mode_t previousMask = ::umask(022);
    Window w;
    RecoveryWriter writer(w.form, folder);
    writer.Start();
    QTest::keyClicks(Field(w.form, "Text1"), QStringLiteral("Paul liest."));
    writer.WriteNow();
    ::umask(previousMask);
    QCOMPARE(ModeBits(folder), 0700);
    QCOMPARE(ModeBits(writer.FilePath()), 0600);
    QString lock = writer.FilePath();
    lock.replace(QStringLiteral(".tesmoran"), QStringLiteral(".lock"));
    QCOMPARE(ModeBits(lock), 0600);
  }

  void twoRunningProgramsKeepTwoFiles() {
    QTemporaryDir folder;
    Window first, second;
    RecoveryWriter one(first.form, folder.path()), two(second.form, folder.path());
    QVERIFY(!one.FilePath().isEmpty() && !two.FilePath().isEmpty());
    QVERIFY(one.FilePath() != two.FilePath());
  }
};

int main(int argc, char** argv) {
  if (argc >= 3 && qstrcmp(argv[1], kTypingSession) == 0) return TypingSession(argc, argv);
  QApplication app(argc, argv);
  RecoveryTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
