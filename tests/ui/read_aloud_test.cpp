// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud in the main window, with a stand-in for the sound output
// that plays exactly as far as the test says: the marked word follows the
// sound, Esc, a key or a click stops, and the text and its undo history are
// as they were.  "Als Audiodatei speichern…" writes the spoken text.
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "form1_test_support.h"
#include "speech/EspeakEngine.h"
#include "ui/speech/AudioFileSaver.h"
#include "ui/speech/ReadAloud.h"
#include "ui/speech/SpokenWordMark.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

// Plays only when told, by reading samples from the device as a sound card
// would; can also pretend there is no sound card.
class FakeOutput : public AudioOutput {
 public:
  explicit FakeOutput(QString missing = {}) : missing_(std::move(missing)) {}
  QString Unavailable() const override { return missing_; }
  QString Start(QIODevice& source, int sampleRate) override {
    source_ = &source;
    sampleRate_ = sampleRate;
    played_ = 0;
    return {};
  }
  qint64 PlayedSamples() const override { return played_; }
  void Stop() override { source_ = nullptr; }
  QString Broken() const override { return broken; }

  QString broken;  // set by a test: the device went away
  bool Playing() const { return source_ != nullptr; }
  // Plays on until `samples` were played in all, or the speech ends.
  void PlayTo(qint64 samples) {
    QByteArray bytes;
    while (source_ && played_ < samples) {
      bytes = source_->read(2 * std::min<qint64>(samples - played_, 1 << 20));
      if (bytes.isEmpty()) {
        if (source_->atEnd()) return;
        QTest::qWait(5);  // the engine has not caught up yet
      }
      played_ += bytes.size() / 2;
    }
  }

 private:
  QString missing_;
  QIODevice* source_ = nullptr;
  int sampleRate_ = 0;
  qint64 played_ = 0;
};

using Range = std::pair<int, int>;

// An engine whose voice is missing (or there, for an empty reason).
class VoicelessEngine : public SpeechEngine {
 public:
  explicit VoicelessEngine(Text why) : why_(std::move(why)) {}
  Text Speak(TextView, const SpeechOptions&, SpeechSink&) const override { return why_; }
  Text Availability() const override { return why_; }

 private:
  Text why_;
};

}  // namespace

class ReadAloudTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Window> w;
  FakeOutput* output = nullptr;

  QPlainTextEdit* Text1() { return Field(w->form, "Text1"); }
  ReadAloud& Reader() { return ReadAloud::Of(w->form); }

  // Starts reading by the menu entry once the voice is known to be there.
  void Read(const QString& entry) {
    QAction* action = MenuEntry(w->form, entry);
    QTRY_VERIFY(action->isEnabled());
    action->trigger();
    QTRY_VERIFY(output->Playing());
  }

 private Q_SLOTS:
  void initTestCase() {
    InstallQtTestFailureHandler();
    UseScratchSettings();
  }

  void init() {
    w = std::make_unique<Window>();
    auto fake = std::make_unique<FakeOutput>();
    output = fake.get();
    Reader().SetAudioOutput(std::move(fake));
    QVERIFY(ShowActive(w->form));
    PasteInto(w->form, "Text1", QStringLiteral("Der Hund bellt.\nDie Katze läuft weg."));
  }

  void cleanup() { w.reset(); }

  void markFollowsTheSoundWordByWordAndGoesAtTheEnd() {
    const QString before = Text1()->toPlainText();
    const int undoSteps = Text1()->document()->availableUndoSteps();
    QTRY_VERIFY(MenuEntry(w->form, QStringLiteral("Originaltext vorlesen"))->isEnabled());
    Text1()->setFocus();
    QTest::keyClick(Text1(), Qt::Key_F5);
    QTRY_VERIFY(output->Playing());
    QVERIFY(MenuEntry(w->form, QStringLiteral("Anhalten"))->isEnabled());
    // Played in steps shorter than any word, each mark is seen, in order.
    std::vector<Range> marks;
    for (qint64 played = 1; Reader().Speaking() && played < 10 * 22050; played += 1000) {
      output->PlayTo(played);
      QTest::qWait(2 * ReadAloud::kFollowMs);
      const std::optional<Range> mark = SpokenWordIn(*Text1());
      if (mark && (marks.empty() || marks.back() != *mark)) marks.push_back(*mark);
    }
    const std::vector<Range> words = {{0, 3}, {4, 8}, {9, 14}, {16, 19}, {20, 25}, {26, 31}, {32, 35}};
    QCOMPARE(marks, words);
    QTRY_VERIFY(!Reader().Speaking());
    QCOMPARE(SpokenWordIn(*Text1()), std::nullopt);
    QCOMPARE(Text1()->toPlainText(), before);
    QCOMPARE(Text1()->document()->availableUndoSteps(), undoSteps);
    QVERIFY(!Text1()->textCursor().hasSelection());
  }

  void readsOnlyTheMarkedPart() {
    MarkFieldPositions(w->form, "Text1", 20, 35);  // "Katze läuft weg"
    Read(QStringLiteral("Originaltext vorlesen"));
    output->PlayTo(1);
    QTRY_COMPARE(SpokenWordIn(*Text1()), std::optional<Range>({20, 25}));
    QCOMPARE(Text1()->textCursor().selectionStart(), 20);  // the user's marking stays
    QCOMPARE(Text1()->textCursor().selectionEnd(), 35);
  }

  void aMarkedWordFarDownIsScrolledIntoView() {
    QPlainTextEdit* field = Text1();
    field->setPlainText(QStringLiteral("Zeile\n").repeated(300) + QStringLiteral("Ende"));
    const int end = field->document()->characterCount() - 1;
    MarkSpokenWord(*field, end - 4, end);
    QTextCursor word(field->document());
    word.setPosition(end - 4);
    QVERIFY(field->viewport()->rect().contains(field->cursorRect(word)));
    QCOMPARE(field->textCursor().position(), 0);  // the user's cursor stays where it was
  }

  void solutionTextIsMarkedInItsOwnField() {
    PasteInto(w->form, "Text2", QStringLiteral("Lösung"));
    Read(QStringLiteral("Lösungstext vorlesen"));
    output->PlayTo(1);
    QTRY_COMPARE(SpokenWordIn(*Field(w->form, "Text2")), std::optional<Range>({0, 6}));
    QCOMPARE(SpokenWordIn(*Text1()), std::nullopt);
  }

  void stopsOnEscAKeyOrAClick_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Esc") << 0;
    QTest::newRow("a typed letter") << 1;
    QTest::newRow("a click in the text") << 2;
    QTest::newRow("the text replaced by the program") << 3;
  }
  void stopsOnEscAKeyOrAClick() {
    QFETCH(int, how);
    Read(QStringLiteral("Originaltext vorlesen"));
    output->PlayTo(1);
    QTRY_VERIFY(SpokenWordIn(*Text1()).has_value());
    const QString before = Text1()->toPlainText();
    Text1()->setFocus();
    switch (how) {
      case 0: QTest::keyClick(&w->form, Qt::Key_Escape); break;
      case 1: QTest::keyClick(Text1(), Qt::Key_X); break;
      case 2: QTest::mouseClick(Text1()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); break;
      case 3: Text1()->setPlainText(QStringLiteral("Neu")); break;
    }
    QVERIFY(!Reader().Speaking());
    QVERIFY(!output->Playing());
    QCOMPARE(SpokenWordIn(*Text1()), std::nullopt);
    // The key still typed its letter; Esc and the click changed nothing.
    if (how == 1) QCOMPARE(Text1()->toPlainText().count(QLatin1Char('x')), 1);
    if (how == 0 || how == 2) QCOMPARE(Text1()->toPlainText(), before);
    QVERIFY(!MenuEntry(w->form, QStringLiteral("Anhalten"))->isEnabled());
  }

  void aBrokenSoundOutputStopsWithAMessage() {
    Read(QStringLiteral("Originaltext vorlesen"));
    output->PlayTo(1);
    QTRY_VERIFY(SpokenWordIn(*Text1()).has_value());
    w->ui.AnswerMessage();
    output->broken = QStringLiteral("Die Tonausgabe ist ausgefallen.");
    QTRY_VERIFY(!Reader().Speaking());
    QCOMPARE(SpokenWordIn(*Text1()), std::nullopt);
    QCOMPARE(w->ui.Shown().size(), std::size_t{1});
    QCOMPARE(w->ui.Shown()[0].prompt, Text(U"Die Tonausgabe ist ausgefallen."));
  }

  void emptyTextSaysSoAndPlaysNothing() {
    PasteInto(w->form, "Text1", QStringLiteral("  \n "));
    QAction* entry = MenuEntry(w->form, QStringLiteral("Originaltext vorlesen"));
    QTRY_VERIFY(entry->isEnabled());
    w->ui.AnswerMessage();
    entry->trigger();
    QCOMPARE(w->ui.Shown().size(), std::size_t{1});
    QCOMPARE(w->ui.Shown()[0].prompt, Text(U"Im Originaltext steht nichts, was vorgelesen werden kann."));
    QVERIFY(!Reader().Speaking());
  }

  void withoutVoiceOrSoundOutputTheEntriesSayWhy_data() {
    QTest::addColumn<QString>("noVoice");
    QTest::addColumn<QString>("noOutput");
    const QString voice = QStringLiteral("Die deutsche Stimme fehlt: bitte das Paket espeak-ng-data installieren.");
    const QString output = QStringLiteral("Kein Lautsprecher oder Kopfhörer gefunden.");
    QTest::newRow("no sound output") << QString() << output;
    QTest::newRow("no voice") << voice << QString();
    QTest::newRow("neither") << voice << output;
  }
  void withoutVoiceOrSoundOutputTheEntriesSayWhy() {
    QFETCH(QString, noVoice);
    QFETCH(QString, noOutput);
    Reader().SetAudioOutput(std::make_unique<FakeOutput>(noOutput));
    Reader().CheckAvailability(std::make_shared<const VoicelessEngine>(FromQString(noVoice)));
    // The voice is what is missing first: without it nothing can be spoken.
    const QString why = noVoice.isEmpty() ? noOutput : noVoice;
    for (const char* text : {"Originaltext vorlesen", "Lösungstext vorlesen", "Silbenweise vorlesen"}) {
      QAction* entry = MenuEntry(w->form, QString::fromUtf8(text));
      QTRY_COMPARE(entry->toolTip(), why);
      QVERIFY(!entry->isEnabled());
    }
    // Without a sound output a file can still be made; without a voice not.
    QAction* save = MenuEntry(w->form, QStringLiteral("Als Audiodatei speichern…"));
    QCOMPARE(save->isEnabled(), noVoice.isEmpty());
    QCOMPARE(save->toolTip().startsWith(QStringLiteral("Die deutsche")), !noVoice.isEmpty());
  }

  void audioFileHoldsTheSpokenTextAndAFailedWriteSaysSo() {
    QTemporaryDir folder;
    auto* saver = w->form.findChild<AudioFileSaver*>();
    QVERIFY(saver);
    QString target;
    saver->chooseFile = [&target](QWidget*, const QString&) { return target; };
    QAction* save = MenuEntry(w->form, QStringLiteral("Als Audiodatei speichern…"));
    QTRY_VERIFY(save->isEnabled());
    QSignalSpy done(saver, &AudioFileSaver::Done);
    // The name chooses the kind of file.
    const struct {
      const char* name;
      const char* magic;
    } files[] = {{"hund.wav", "RIFF"}, {"hund.opus", "OggS"}};
    for (const auto& file : files) {
      target = folder.filePath(QString::fromLatin1(file.name));
      save->trigger();
      QVERIFY(!save->isEnabled());  // one file at a time
      QTRY_COMPARE(done.size(), 1);
      QVERIFY(save->isEnabled());
      QCOMPARE(done.takeFirst()[1].toString(), QString());
      std::ifstream written(target.toStdString(), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(written)), {});
      QCOMPARE(bytes.substr(0, 4), std::string(file.magic));
      QVERIFY(bytes.size() > 8000);  // more than a header: the sound of the text
    }

    // Into a folder that is not there: a message, and nothing else changes.
    target = folder.filePath(QStringLiteral("fehlt/hund.wav"));
    w->ui.AnswerMessage();
    save->trigger();
    QTRY_COMPARE(done.size(), 1);
    QVERIFY(!done[0][1].toString().isEmpty());
    QCOMPARE(w->ui.Shown().size(), std::size_t{1});
    QVERIFY(ToQString(w->ui.Shown()[0].prompt).startsWith(QStringLiteral("Die Audiodatei „")));
  }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
