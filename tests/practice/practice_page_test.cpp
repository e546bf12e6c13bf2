// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page as bytes: the text is data that cannot end its script
// element, the answers cannot be read in the source, nothing is loaded from
// elsewhere, and a one-page text stays small.
#include <gtest/gtest.h>

#include <regex>

#include "practice/PageJson.h"
#include "practice/PracticePage.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

std::string JsonOf(const Text& text) {
  std::string out;
  AppendJsonString(text, out);
  return out;
}

TEST(PageJson, EscapesWhatCouldEndTheScriptOrTheString) {
  const struct {
    const char* name;
    Text in;
    std::string out;
  } rows[] = {
      {"script end tag", U"</script>", R"("\u003c/script\u003e")"},
      {"ampersand and quotes", U"a&\"b'", R"("a\u0026\"b'")"},
      {"backslash", U"\\", R"("\\")"},
      {"line breaks and tab", U"a\r\n\tb", R"("a\r\n\tb")"},
      {"other control character", U"\x01", R"("\u0001")"},
      {"line and paragraph separators", U"\u2028\u2029", R"("\u2028\u2029")"},
      {"umlauts and right-to-left mark stay as UTF-8", U"Ä\u202Eß", "\"Ä\u202Eß\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(JsonOf(row.in), row.out);
  }
}

TEST(PageJson, Base64OfTheStandardExamples) {
  const std::pair<const char*, const char*> rows[] = {{"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
                                                      {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"foobar", "Zm9vYmFy"}};
  for (const auto& [in, out] : rows) EXPECT_EQ(Base64(in), out) << in;
}

TEST(PageJson, HiddenTextIsNeitherPlainNorTheSameForAnotherKey) {
  const Text answer = U"Straßenbahn";
  const std::string hidden = HiddenText(answer, AnswerKey(U"Ein Text"));
  EXPECT_EQ(hidden.find("Stra"), std::string::npos);
  EXPECT_NE(hidden, Base64(EncodeUtf8(answer)));
  EXPECT_NE(hidden, HiddenText(answer, AnswerKey(U"Ein anderer Text")));
  EXPECT_EQ(hidden, HiddenText(answer, AnswerKey(U"Ein Text")));
}

TEST(PageJson, HtmlEscapedTitle) { EXPECT_EQ(HtmlEscaped(U"<b>&\"'"), "&lt;b&gt;&amp;&quot;&#39;"); }

PracticePageOptions Options(Text text, std::vector<Text> captions) {
  PracticePageOptions options;
  options.text = std::move(text);
  for (const Text& caption : captions) {
    for (const PracticeExercise& e : PracticeExercises()) {
      if (ButtonExercise(e).caption == caption) options.exercises.push_back(&e);
    }
  }
  return options;
}

// The data between the page's JSON script tags.
std::string DataOf(const std::string& page) {
  const std::string open = "<script type=\"application/json\" id=\"daten\">";
  const std::size_t from = page.find(open);
  const std::size_t to = page.find("</script>", from);
  if (from == std::string::npos || to == std::string::npos) return std::string();
  return page.substr(from + open.size(), to - from - open.size());
}

TEST(PracticePage, HostileTextStaysInsideItsData) {
  PracticePageOptions options =
      Options(U"<script>alert(1)</script> & \"Zitat\" \u2028 \u202Eabc </script><img src=x onerror=alert(2)>",
              {U"Lückentext", U"Umkehrsatz", U"Bandwurmtext"});
  options.title = U"</title><script>alert(3)</script>";
  const std::string page = BuildPracticePage(options, PracticeLevel::kEasy);
  const std::string data = DataOf(page);
  ASSERT_FALSE(data.empty());
  EXPECT_EQ(data.find('<'), std::string::npos);
  EXPECT_EQ(data.find('>'), std::string::npos);
  EXPECT_EQ(data.find("\u2028"), std::string::npos);
  EXPECT_NE(page.find("<title>&lt;/title&gt;&lt;script&gt;alert(3)&lt;/script&gt;</title>"), std::string::npos);
  // The page's own two script elements, the data and the program, and no other.
  const std::regex scripts("<script");
  EXPECT_EQ(std::distance(std::sregex_iterator(page.begin(), page.end(), scripts), std::sregex_iterator()), 2);
}

TEST(PracticePage, AnswersAreNotInTheSource) {
  // From the second word every other word is a gap: the hidden words appear nowhere else.
  const PracticePageOptions options = Options(U"Eins Zweifel Drei Vierling Fünf Sechstel", {U"Lückentext"});
  const std::string page = BuildPracticePage(options, PracticeLevel::kEasy);
  for (const char* hidden : {"Zweifel", "Vierling", "Sechstel"})
    EXPECT_EQ(page.find(hidden), std::string::npos) << hidden;
  for (const char* shown : {"Eins", "Drei", "F\u00fcnf"}) EXPECT_NE(page.find(shown), std::string::npos) << shown;
}

TEST(PracticePage, LoadsNothingFromElsewhere) {
  const std::string page = BuildPracticePage(Options(U"Der Hund bellt.", {}), PracticeLevel::kHard);
  EXPECT_NE(page.find("http-equiv=\"Content-Security-Policy\" content=\"default-src 'none';"), std::string::npos);
  EXPECT_NE(page.find("src:url(data:font/woff2;base64,"), std::string::npos);
  // Only the page's own script may run: the policy names its hash, not every inline script.
  EXPECT_TRUE(std::regex_search(page, std::regex("script-src 'sha256-[A-Za-z0-9+/]{43}=';")));
  for (const char* remote : {"http://", "https://", "//fonts", "src=\"", "href=\""}) {
    EXPECT_EQ(page.find(remote), std::string::npos) << remote;
  }
}

TEST(PracticePage, OnePageTextWithEveryExerciseStaysUnder400Kilobytes) {
  // A page of about 2,600 characters, every exercise on it, the easy level with the most data.
  Text text;
  while (text.size() < 2600) text += U"Die kleine Katze schläft im Körbchen, und der große Hund bellt laut.\r\n";
  PracticePageOptions options = Options(text, {});
  for (const PracticeExercise& e : PracticeExercises()) options.exercises.push_back(&e);
  EXPECT_LT(BuildPracticePage(options, PracticeLevel::kEasy).size(), 400u * 1000u);
}

// The three level names are checked with the command line's "--stufe alle".
TEST(PracticePage, ALevelsFileNameNeedsNoExtension) {
  EXPECT_EQ(PathForLevel("blatt", PracticeLevel::kHard).string(), "blatt-schwer");
}

}  // namespace
}  // namespace tesmoran
