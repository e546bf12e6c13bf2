// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page with its sentences spoken into it: one Opus stream per
// sentence, as long as the sentence spoken, the policy that lets the page
// play sound only then, the same page for the same text, a one-page text
// under 400 KB, and a voice that cannot speak.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "OggOpusReading.h"
#include "SampleText.h"
#include "TestFiles.h"
#include "practice/PracticeFiles.h"
#include "practice/PracticePage.h"
#include "speech/EspeakEngine.h"
#include "speech/SpeechEngine.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;

std::string FromBase64(const std::string& text) {
  static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  unsigned bits = 0;
  int count = 0;
  for (char c : text) {
    const std::size_t digit = kDigits.find(c);
    if (digit == std::string::npos) continue;  // the padding
    bits = (bits << 6) | static_cast<unsigned>(digit);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out.push_back(static_cast<char>((bits >> count) & 0xFF));
    }
  }
  return out;
}

// The Base64 strings of the page data's "ton", in order; empty without one.
// Searched by hand: the standard regex recurses per character and would
// overflow the stack on a page's sound.
std::vector<std::string> SoundsOf(const std::string& page) {
  std::vector<std::string> sounds;
  const std::string key = "\"ton\":[";
  std::size_t at = page.find(key);
  if (at == std::string::npos) return sounds;
  const std::size_t end = page.find(']', at);
  for (at += key.size(); at < end; at += 2) {
    const std::size_t close = page.find('"', at + 1);
    if (page[at] != '"' || close > end) break;
    sounds.push_back(page.substr(at + 1, close - at - 1));
    at = close;
  }
  return sounds;
}

std::string MediaPolicy(const std::string& page) {
  std::smatch found;
  return std::regex_search(page, found, std::regex("media-src [^;]*;")) ? found.str() : std::string();
}

PracticePageOptions Spoken(Text text, bool spoken) {
  PracticePageOptions options;
  options.text = std::move(text);
  options.spokenSentences = spoken;
  return options;
}

// A voice that speaks a sentence for a tenth of a second per character, the
// same every time (the library's voice varies by a few samples from call to
// call within one process).
class MeasuredVoice : public SpeechEngine {
 public:
  static constexpr int kRate = 16000;
  Text Speak(TextView text, const SpeechOptions&, SpeechSink& sink) const override {
    sink.Begin(kRate);
    std::vector<int16_t> samples(text.size() * kRate / 10);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i % 40) * 400 - 8000);
    sink.Samples(samples.data(), samples.size());
    return {};
  }
};

TEST(PracticePageSound, EverySentenceSoundsAsLongAsItIsSpoken) {
  const std::vector<Text> sentences = {U"Der Hund bellt.", U"Die Katze schläft im Körbchen, und es regnet."};
  const MeasuredVoice voice;
  PracticePageOptions options = Spoken(sentences[0] + U" " + sentences[1], true);
  options.voice = &voice;
  const std::string page = BuildPracticePage(options, PracticeLevel::kMedium);
  EXPECT_EQ(MediaPolicy(page), "media-src data:;");
  const std::vector<std::string> sounds = SoundsOf(page);
  ASSERT_EQ(sounds.size(), sentences.size());
  for (std::size_t k = 0; k < sounds.size(); ++k) {
    SCOPED_TRACE(EncodeUtf8(sentences[k]));
    const testing::OggOpusFacts facts = testing::ReadOggOpus(FromBase64(sounds[k]));
    EXPECT_EQ(facts.problem, "");
    EXPECT_EQ(facts.channels, 1);
    EXPECT_EQ(facts.inputRate, static_cast<std::uint32_t>(MeasuredVoice::kRate));
    EXPECT_NEAR(facts.Seconds(), sentences[k].size() / 10.0, 0.01);
  }
  // The same text gives the same page: the window's preview and its file agree.
  EXPECT_EQ(BuildPracticePage(options, PracticeLevel::kMedium), page);
}

TEST(PracticePageSound, WithoutTheOptionOrAVoiceThePageHasNoSoundAndMayPlayNone) {
  const EspeakEngine voiceless(nullptr, "zz-keine-stimme");
  PracticePageOptions withoutVoice = Spoken(U"Der Hund bellt.", true);
  withoutVoice.voice = &voiceless;
  const struct {
    const char* name;
    PracticePageOptions options;
  } rows[] = {
      {"not asked", Spoken(U"Der Hund bellt.", false)},
      {"a voice that cannot speak", withoutVoice},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string page = BuildPracticePage(row.options, PracticeLevel::kEasy);
    EXPECT_EQ(MediaPolicy(page), "media-src 'none';");
    EXPECT_EQ(page.find("\"ton\""), std::string::npos);
    EXPECT_NE(page.find("default-src 'none';"), std::string::npos);
  }
}

TEST(PracticePageSound, AVoiceThatCannotSpeakWritesNoFile) {
  const fs::path folder = testing::FreshFolder("practice-sound-voiceless");
  const EspeakEngine voiceless(nullptr, "zz-keine-stimme");
  PracticePageOptions options = Spoken(U"Der Hund bellt.", true);
  options.voice = &voiceless;
  const PracticeFilesWritten written = WritePracticeFiles(options, LevelChoice::kAll, folder / "s.html");
  EXPECT_FALSE(written.ok);
  EXPECT_NE(EncodeUtf8(written.reason).find("espeak-ng-data"), std::string::npos) << EncodeUtf8(written.reason);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(PracticePageSound, OnePageTextWithItsSoundStaysUnder400Kilobytes) {
  // About 2,600 characters of short sentences, as in the benchmark; the
  // default exercise at the easy level, whose data is the largest.
  const Text text = testing::SchoolSentences(testing::kOnePage);
  const std::string page = BuildPracticePage(Spoken(text, true), PracticeLevel::kEasy);
  const std::vector<std::string> sounds = SoundsOf(page);
  ASSERT_GT(sounds.size(), 30u);
  for (const std::string& sound : sounds) EXPECT_FALSE(sound.empty());
  EXPECT_LT(page.size(), 400u * 1000u);
}

}  // namespace
}  // namespace tesmoran
