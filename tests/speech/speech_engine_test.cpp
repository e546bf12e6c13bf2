// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud with the German voice, headless: the audio, the word and
// syllable events on the program's characters, the options and the messages.
#include <gtest/gtest.h>

#include <cstdio>

#include "SpeechTestSupport.h"

namespace tesmoran {
namespace {

// Well below spoken words (thousands), well above silence and noise.
constexpr double kAudibleRms = 300.0;

struct Word {
  std::size_t position, length;
};

void ExpectEvents(const SpeechResult& result, SpeechEventKind kind, const std::vector<Word>& expected) {
  ASSERT_EQ(result.events.size(), expected.size());
  std::size_t previousOffset = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(result.events[i].position, expected[i].position);
    EXPECT_EQ(result.events[i].length, expected[i].length);
    EXPECT_EQ(result.events[i].kind, kind);
    EXPECT_GE(result.events[i].sampleOffset, previousOffset);
    EXPECT_LT(result.events[i].sampleOffset, result.samples.size());
    previousOffset = result.events[i].sampleOffset;
  }
}

TEST(EspeakEngine, ASentenceGivesAudibleSpeechAndOneEventPerWord) {
  const SpeechResult result = GermanSpeech().Synthesize(U"Der Hund bellt.", {});
  ASSERT_TRUE(result.error.empty()) << EncodeUtf8(result.error);
  std::printf("\"Der Hund bellt.\": %.2f s at %d Hz, RMS %.0f\n", Seconds(result), result.sampleRate,
              Rms(result.samples));
  EXPECT_GE(Seconds(result), 0.6);
  EXPECT_LE(Seconds(result), 4.0);
  EXPECT_GT(Rms(result.samples), kAudibleRms);
  ExpectEvents(result, SpeechEventKind::kWord, {{0, 3}, {4, 4}, {9, 5}});
  // Each word starts later in the audio than the one before.
  EXPECT_GT(result.events[1].sampleOffset, result.events[0].sampleOffset);
  EXPECT_GT(result.events[2].sampleOffset, result.events[1].sampleOffset);
}

struct PositionCase {
  const char* name;
  Text text;
  std::vector<Word> words;
};

TEST(EspeakEngine, WordEventsPointAtTheProgramsCharacters) {
  const PositionCase cases[] = {
      {"umlauts", U"Äpfel über Öl", {{0, 5}, {6, 4}, {11, 2}}},
      {"sharp s", U"Die Straße ist groß", {{0, 3}, {4, 6}, {11, 3}, {15, 4}}},
      {"line breaks and tabs", U"Oma\r\nübt\theute", {{0, 3}, {5, 3}, {9, 5}}},
      {"letters beyond Latin-1", U"Łódź Mädchen", {{0, 4}, {5, 7}}},
      {"quotation marks", U"„Süß“ sagt Jörg.", {{1, 3}, {6, 4}, {11, 4}}},
  };
  for (const PositionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SpeechResult result = GermanSpeech().Synthesize(c.text, {});
    ASSERT_TRUE(result.error.empty()) << EncodeUtf8(result.error);
    ExpectEvents(result, SpeechEventKind::kWord, c.words);
  }
}

TEST(EspeakEngine, NothingToSayGivesNoAudioAndNoError) {
  const Text texts[] = {U"", U"   ", U"\r\n\t "};
  for (const Text& text : texts) {
    SCOPED_TRACE(EncodeUtf8(text));
    const SpeechResult result = GermanSpeech().Synthesize(text, {});
    EXPECT_TRUE(result.error.empty()) << EncodeUtf8(result.error);
    EXPECT_TRUE(result.samples.empty());
    EXPECT_TRUE(result.events.empty());
    EXPECT_GT(result.sampleRate, 0);
  }
}

TEST(EspeakEngine, SyllableBySyllableIsSlowerWithOneEventPerReadingSyllable) {
  const Text text = U"Die Katze schläft auf dem Sofa.";
  const SpeechResult normal = GermanSpeech().Synthesize(text, {});
  SpeechOptions bySyllables;
  bySyllables.bySyllables = true;
  const SpeechResult slow = GermanSpeech().Synthesize(text, bySyllables);
  ASSERT_TRUE(slow.error.empty()) << EncodeUtf8(slow.error);
  std::printf("normal %.2f s, silbenweise %.2f s (RMS %.0f)\n", Seconds(normal), Seconds(slow), Rms(slow.samples));
  EXPECT_GT(Seconds(slow), Seconds(normal) * 1.3);
  EXPECT_GT(Rms(slow.samples), kAudibleRms / 2);
  // Die Kat-ze schläft auf dem So-fa.
  ExpectEvents(slow, SpeechEventKind::kSyllable, {{0, 3}, {4, 3}, {7, 2}, {10, 7}, {18, 3}, {22, 3}, {26, 2}, {28, 2}});
}

TEST(EspeakEngine, SlowerTempoGivesLongerAudio) {
  const Text text = U"Heute gehen wir mit der ganzen Klasse in den Zoo.";
  double previous = 1e9;
  for (int wordsPerMinute : {80, 120, 180, 250}) {
    SCOPED_TRACE(wordsPerMinute);
    SpeechOptions options;
    options.wordsPerMinute = wordsPerMinute;
    const double seconds = Seconds(GermanSpeech().Synthesize(text, options));
    EXPECT_LT(seconds, previous * 0.9);
    previous = seconds;
  }
}

TEST(EspeakEngine, TheSentencePauseIsAddedBetweenSentencesOnly) {
  const Text text = U"Ich lese. Du hörst zu. Wir lachen.";
  SpeechOptions without;
  without.sentencePauseMs = 0;
  SpeechOptions with;
  with.sentencePauseMs = 1000;
  const SpeechResult shortPauses = GermanSpeech().Synthesize(text, without);
  const SpeechResult longPauses = GermanSpeech().Synthesize(text, with);
  // Two gaps between three sentences, none before the first or after the last.
  EXPECT_NEAR(Seconds(longPauses) - Seconds(shortPauses), 2.0, 0.05);
  ASSERT_EQ(longPauses.events.size(), 7u);
  const double shift = static_cast<double>(longPauses.events[6].sampleOffset - shortPauses.events[6].sampleOffset) /
                       longPauses.sampleRate;
  EXPECT_NEAR(shift, 2.0, 0.05);
  EXPECT_EQ(longPauses.events[1].sampleOffset, shortPauses.events[1].sampleOffset);
}

TEST(EspeakEngine, OptionsOutsideTheirRangeAreClamped) {
  SpeechOptions wild;
  wild.wordsPerMinute = 5000;
  wild.pitch = -20;
  wild.sentencePauseMs = -1;
  wild.syllablePauseMs = 1 << 30;
  const SpeechOptions clamped = wild.Clamped();
  EXPECT_EQ(clamped.wordsPerMinute, SpeechOptions::kMaxWordsPerMinute);
  EXPECT_EQ(clamped.pitch, 0);
  EXPECT_EQ(clamped.sentencePauseMs, 0);
  EXPECT_EQ(clamped.syllablePauseMs, SpeechOptions::kMaxPauseMs);
  // Out of range speaks as fast as the fastest tempo in range.
  SpeechOptions fastest;
  fastest.wordsPerMinute = SpeechOptions::kMaxWordsPerMinute;
  fastest.pitch = 0;
  const Text text = U"Wir lesen heute eine lange Geschichte vor.";
  const SpeechResult wildResult = GermanSpeech().Synthesize(text, wild);
  EXPECT_TRUE(wildResult.error.empty());
  // The library's output varies by a few samples from call to call.
  EXPECT_NEAR(Seconds(wildResult), Seconds(GermanSpeech().Synthesize(text, fastest)), 0.01);
}

TEST(EspeakEngine, AMissingVoiceNamesTheDebianPackage) {
  const EspeakEngine missing(nullptr, "xx-keine-stimme");
  const SpeechResult result = missing.Synthesize(U"Der Hund bellt.", {});
  EXPECT_NE(EncodeUtf8(result.error).find("espeak-ng-data"), std::string::npos) << EncodeUtf8(result.error);
  EXPECT_NE(EncodeUtf8(result.error).find("Stimme"), std::string::npos);
  EXPECT_TRUE(result.samples.empty());
  EXPECT_EQ(missing.Availability(), result.error);
  // The German voice is still there afterwards.
  EXPECT_TRUE(GermanSpeech().Availability().empty());
  EXPECT_EQ(GermanSpeech().Synthesize(U"Der Hund bellt.", {}).events.size(), 3u);
}

TEST(EspeakEngine, SyllablesNeedTheSyllableEngine) {
  SpeechOptions options;
  options.bySyllables = true;
  const SpeechResult result = EspeakEngine().Synthesize(U"Katze", options);
  EXPECT_NE(EncodeUtf8(result.error).find("Silbentrennung"), std::string::npos);
  EXPECT_TRUE(result.samples.empty());
}

// A receiver that stops after the first piece of audio, as "Anhalten" does.
class StoppingSink : public SpeechSink {
 public:
  void Begin(int) override {}
  void Samples(const int16_t*, std::size_t count) override { received += count; }
  void Event(const SpeechEvent&) override { ++events; }
  bool Wanted() const override { return received == 0; }
  std::size_t received = 0;
  std::size_t events = 0;
};

TEST(EspeakEngine, AReceiverCanStopTheSpeaking) {
  const Text text = U"Es war einmal ein kleines Mädchen, das wohnte mit seiner Mutter am Rand eines großen Waldes.";
  const std::size_t whole = GermanSpeech().Synthesize(text, {}).samples.size();
  StoppingSink sink;
  EXPECT_TRUE(GermanSpeech().Speak(text, {}, sink).empty());
  EXPECT_GT(sink.received, 0u);
  EXPECT_LT(sink.received * 4, whole);
  EXPECT_LT(sink.events, 16u);
}

}  // namespace
}  // namespace tesmoran
