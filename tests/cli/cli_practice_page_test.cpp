// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli uebungsseite, in-process: what it writes, its exit codes and
// messages, and that a failed write leaves the existing files as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRun.h"
#include "TestFiles.h"

namespace tesmoran {
namespace {

using PageRun = testing::CliRun;

PageRun RunPage(std::vector<std::string> options, const std::string& input = std::string()) {
  options.insert(options.begin(), "uebungsseite");
  return testing::RunCliWith(options, input);
}

using testing::FileBytes;

TEST(CliUebungsseite, WritesOnePageFromStandardInput) {
  const auto folder = testing::FreshFolder("cli-page-one");
  const PageRun run = RunPage(
      {"--html", (folder / "s.html").string(), "--uebung", "Lücken-Wörter", "--titel", "Igel", "--stufe", "schwer"},
      "Der Igel schl\xC3\xA4"
      "ft.");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string page = FileBytes(folder / "s.html");
  EXPECT_NE(page.find("<title>Igel</title>"), std::string::npos);
  EXPECT_NE(page.find("\"stufe\":2"), std::string::npos);
  EXPECT_NE(page.find("\"name\":\"L\xC3\xBC"
                      "cken-W\xC3\xB6rter\""),
            std::string::npos);
}

TEST(CliUebungsseite, AllLevelsWriteOneFileEach) {
  const auto folder = testing::FreshFolder("cli-page-all");
  const PageRun run = RunPage({"--html", (folder / "s.html").string(), "--stufe", "alle", "--text", "Der Hund bellt."});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "s.html"));
  const std::pair<const char*, const char*> rows[] = {
      {"s-leicht.html", "\"stufe\":0"}, {"s-mittel.html", "\"stufe\":1"}, {"s-schwer.html", "\"stufe\":2"}};
  for (const auto& [name, level] : rows) EXPECT_NE(FileBytes(folder / name).find(level), std::string::npos) << name;
  // No exercise chosen: the gap text.
  EXPECT_NE(FileBytes(folder / "s-leicht.html").find("\"name\":\"Lückentext\""), std::string::npos);
  // Without --vorlesen no sound, and the page may play none.
  EXPECT_EQ(FileBytes(folder / "s-leicht.html").find("\"ton\""), std::string::npos);
  EXPECT_NE(FileBytes(folder / "s-leicht.html").find("media-src 'none';"), std::string::npos);
}

TEST(CliUebungsseite, VorlesenPutsTheSameSoundIntoEveryLevel) {
  const auto folder = testing::FreshFolder("cli-page-sound");
  const PageRun run = RunPage({"--html", (folder / "s.html").string(), "--stufe", "alle", "--vorlesen", "--text",
                               "Der Hund bellt. Oma liest."});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  std::string sounds;
  for (const char* name : {"s-leicht.html", "s-mittel.html", "s-schwer.html"}) {
    SCOPED_TRACE(name);
    const std::string page = FileBytes(folder / name);
    EXPECT_NE(page.find("media-src data:;"), std::string::npos);
    const std::size_t from = page.find("\"ton\":[\"T2dnUw");  // "OggS" in Base64
    ASSERT_NE(from, std::string::npos);
    const std::string these = page.substr(from, page.find(']', from) - from);
    EXPECT_NE(these.find("\",\"T2dnUw"), std::string::npos) << "a sound for each of the two sentences";
    if (sounds.empty()) sounds = these;
    EXPECT_EQ(these, sounds);
  }
}

TEST(CliUebungsseite, WrongCallsAndInputsEndWithTheirCode) {
  const auto folder = testing::FreshFolder("cli-page-codes");
  const std::string target = (folder / "s.html").string();
  const struct {
    const char* name;
    std::vector<std::string> options;
    int code;
    const char* message;
  } rows[] = {
      {"no target", {"--text", "Hund"}, 2, "die Zieldatei fehlt; mit --html DATEI angeben"},
      {"unknown exercise",
       {"--html", target, "--uebung", "zauberei", "--text", "Hund"},
       2,
       "unbekannte Übung „zauberei“"},
      {"exercise without a page form",
       {"--html", target, "--uebung", "umkehrtext", "--text", "Hund"},
       2,
       "die Übung „Umkehrtext“ gibt es nicht auf der Übungsseite"},
      {"unknown level",
       {"--html", target, "--stufe", "mega", "--text", "Hund"},
       2,
       "erwartet leicht, mittel, schwer oder alle"},
      {"empty text", {"--html", target, "--text", ""}, 1, "kein Originaltext vorhanden; nichts geschrieben"},
      {"target is a folder", {"--html", folder.string(), "--text", "Hund"}, 1, "nichts geschrieben"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PageRun run = RunPage(row.options);
    EXPECT_EQ(run.code, row.code);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(target));
  }
}

TEST(CliUebungsseite, AFailedWriteLeavesTheExistingFilesUntouched) {
  const auto folder = testing::FreshFolder("cli-page-untouched");
  std::ofstream(folder / "s-leicht.html") << "alt";
  std::filesystem::create_directory(folder / "s-mittel.html");  // cannot become a file
  const PageRun run = RunPage({"--html", (folder / "s.html").string(), "--stufe", "alle", "--text", "Der Hund."});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("s-mittel.html"), std::string::npos) << run.err;
  EXPECT_EQ(FileBytes(folder / "s-leicht.html"), "alt");
  EXPECT_FALSE(std::filesystem::exists(folder / "s-schwer.html"));
}

}  // namespace
}  // namespace tesmoran
