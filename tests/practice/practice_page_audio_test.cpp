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
  const fs::path folder = fs::path(::testing::TempDir()) / "practice-sound-voiceless";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const EspeakEngine voiceless(nullptr, "zz-keine-stimme");
  PracticePageOptions options = Spoken(U"Der Hund bellt.", true);
  options.voice = &voiceless;
  const PracticeFilesWritten written = WritePracticeFiles(options, LevelChoice::kAll, folder / "s.html");
  EXPECT_FALSE(written.ok);
  EXPECT_NE(EncodeUtf8(written.reason).find("espeak-ng-data"), std::string::npos) << EncodeUtf8(written.reason);
  EXPECT_TRUE(fs::is_empty(folder));
}

// A story of a page (about 2,600 characters) with the default exercise at
// the easy level, whose data is the largest.
const char32_t kOnePage[] =
    U"Am Montag fuhr die Klasse 3b mit dem Bus in den Wald. Frau Berger hatte einen großen Korb mit Äpfeln, Brot "
    U"und Käse dabei. Die Kinder trugen feste Schuhe und warme Jacken, denn am Morgen war es noch kühl.\r\n"
    U"Zuerst gingen sie zum kleinen See. Dort sahen sie zwei Enten, die langsam über das Wasser schwammen. Lena "
    U"zählte die Frösche am Ufer und kam auf sieben. Max wollte einen Stein werfen, aber Frau Berger sagte, dass "
    U"die Tiere dann erschrecken.\r\n"
    U"Danach suchten die Kinder Blätter von verschiedenen Bäumen. Sie fanden Blätter von der Eiche, der Buche und "
    U"dem Ahorn. Jonas legte alle Blätter in sein Heft und schrieb die Namen darunter. Das sah sehr schön aus.\r\n"
    U"Zur Mittagszeit setzten sich alle auf eine Wiese. Es gab belegte Brote, Äpfel und für jeden einen Becher "
    U"Tee. Ein Eichhörnchen kam ganz nah heran und schaute neugierig zu. Mia gab ihm ein Stück von ihrem Brot, "
    U"doch das Eichhörnchen lief schnell auf einen Baum.\r\n"
    U"Am Nachmittag baute die Klasse eine Hütte aus Ästen und Zweigen. Die großen Äste stellten sie in einen "
    U"Kreis, die kleinen Zweige flochten sie dazwischen. Als die Hütte fertig war, passten fünf Kinder hinein. "
    U"Alle lachten, weil es drinnen so eng war.\r\n"
    U"Plötzlich zogen dunkle Wolken auf, und es begann zu regnen. Schnell packten die Kinder ihre Sachen und "
    U"liefen zum Bus zurück. Nur Paul hatte seine Mütze vergessen. Frau Berger lief noch einmal zur Wiese und "
    U"holte sie.\r\n"
    U"Im Bus sangen die Kinder ein Lied über den Wald. Der Fahrer summte leise mit. Als sie an der Schule "
    U"ankamen, schien die Sonne schon wieder. Die Eltern warteten am Tor und fragten, wie der Tag gewesen sei.\r\n"
    U"Am nächsten Morgen schrieb jedes Kind einen kurzen Text über den Ausflug. Lena schrieb über die Frösche, "
    U"Jonas über die Blätter und Mia über das Eichhörnchen. Frau Berger hängte alle Texte an die Wand im Flur. So "
    U"konnten auch die anderen Klassen lesen, was die 3b im Wald erlebt hatte.\r\n"
    U"Im Herbst will die Klasse noch einmal in den Wald fahren. Dann wollen die Kinder sehen, ob die Hütte noch "
    U"steht und wie sich die Blätter verfärbt haben. Jonas freut sich schon darauf, denn er möchte dann "
    U"Kastanien sammeln. Frau Berger hat schon einen Plan gemacht. Die Kinder sollen Körbe mitbringen und "
    U"Handschuhe anziehen. Wer will, darf auch eine Lupe einpacken, um Käfer und Spinnen genau anzusehen. Am Ende "
    U"des Tages soll jedes Kind etwas aus dem Wald malen.\r\n"
    U"Paul hat sich vorgenommen, diesmal an seine Mütze zu denken. Er hat sie schon neben die Tür gelegt. Lena "
    U"lacht und sagt, dass sie ihn am Morgen daran erinnern wird.";

TEST(PracticePageSound, OnePageTextWithItsSoundStaysUnder400Kilobytes) {
  ASSERT_GT(std::char_traits<char32_t>::length(kOnePage), 2500u);
  const std::string page = BuildPracticePage(Spoken(kOnePage, true), PracticeLevel::kEasy);
  const std::vector<std::string> sounds = SoundsOf(page);
  ASSERT_GT(sounds.size(), 30u);
  for (const std::string& sound : sounds) EXPECT_FALSE(sound.empty());
  EXPECT_LT(page.size(), 400u * 1000u);
}

}  // namespace
}  // namespace tesmoran
