// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli vorlesen, in-process: the WAV and Opus files it writes, its
// exit codes and messages, and that a failed write leaves an existing file
// as it was.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AsNobody.h"
#include "CliRun.h"
#include "OggOpusReading.h"
#include "TestFiles.h"
#include "WavReading.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::FileBytes;

CliRun ReadAloud(std::vector<std::string> options, const std::string& input = std::string()) {
  options.insert(options.begin(), "vorlesen");
  return testing::RunCliWith(options, input);
}

// The seconds of a WAV file and its rate, from the text 'sox --i' prints.
struct SoxInfo {
  double seconds = -1;
  long rate = -1;
};
SoxInfo SoxSays(const fs::path& file) {
  SoxInfo info;
  const std::string quoted = "'" + file.string() + "'";
  const std::string seconds = testing::ShellOutput("sox --i -D " + quoted + " 2>/dev/null");
  const std::string rate = testing::ShellOutput("sox --i -r " + quoted + " 2>/dev/null");
  if (!seconds.empty()) info.seconds = std::stod(seconds);
  if (!rate.empty()) info.rate = std::stol(rate);
  return info;
}

TEST(CliVorlesen, WritesAValidWavFileOfTheSpokenSentence) {
  const fs::path file = testing::FreshFolder("cli-vorlesen-hund") / "hund.wav";
  const CliRun run = ReadAloud({"--wav", file.string()}, "Der Hund bellt.");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  const std::string bytes = FileBytes(file);
  const testing::WavFacts facts = testing::ReadWav(bytes);
  testing::ExpectMonoPcmWav(facts, bytes.size());
  EXPECT_GE(facts.sampleRate, 8000u);
  EXPECT_GT(facts.Seconds(), 0.6);
  EXPECT_LT(facts.Seconds(), 4.0);
  EXPECT_GT(testing::Rms(facts.samples), 300.0) << "not silent";
}

TEST(CliVorlesen, SoxReadsTheLengthTheHeaderGives) {
  if (testing::ShellOutput("command -v sox").empty()) GTEST_SKIP() << "sox is not installed";
  const fs::path file = testing::FreshFolder("cli-vorlesen-sox") / "satz.wav";
  const CliRun run = ReadAloud({"--wav", file.string(), "--text", "Die Katze schläft auf dem Sofa."});
  ASSERT_EQ(run.code, 0) << run.err;
  const testing::WavFacts facts = testing::ReadWav(FileBytes(file));
  const SoxInfo sox = SoxSays(file);
  EXPECT_EQ(sox.rate, static_cast<long>(facts.sampleRate));
  EXPECT_NEAR(sox.seconds, facts.Seconds(), 0.01);
  EXPECT_GT(sox.seconds, 0.6);
}

TEST(CliVorlesen, WritesOpusAloneOrBesideAWavOfTheSameLength) {
  const fs::path folder = testing::FreshFolder("cli-vorlesen-opus");
  const std::string text = "Oma liest am Abend ein Buch.";
  const CliRun alone = ReadAloud({"--opus", (folder / "allein.opus").string(), "--text", text});
  ASSERT_EQ(alone.code, 0) << alone.err;
  const CliRun both =
      ReadAloud({"--opus", (folder / "satz.opus").string(), "--wav", (folder / "satz.wav").string(), "--text", text});
  ASSERT_EQ(both.code, 0) << both.err;
  EXPECT_EQ(both.err + both.out, "");
  const double wavSeconds = testing::ReadWav(FileBytes(folder / "satz.wav")).Seconds();
  EXPECT_GT(wavSeconds, 1.0);
  for (const char* name : {"allein.opus", "satz.opus"}) {
    SCOPED_TRACE(name);
    const testing::OggOpusFacts opus = testing::ReadOggOpus(FileBytes(folder / name));
    EXPECT_EQ(opus.problem, "");
    EXPECT_EQ(opus.channels, 1);
    EXPECT_NEAR(opus.Seconds(), wavSeconds, 0.01);
  }
}

TEST(CliVorlesen, SlowerTempoAndSyllablesGiveLongerAudio) {
  const fs::path folder = testing::FreshFolder("cli-vorlesen-tempo");
  const std::string text = "Die Kinder spielen im Garten.";
  auto secondsOf = [&](const char* name, std::vector<std::string> options) {
    options.insert(options.end(), {"--wav", (folder / name).string(), "--text", text});
    const CliRun run = ReadAloud(options);
    EXPECT_EQ(run.code, 0) << name << ": " << run.err;
    return testing::ReadWav(FileBytes(folder / name)).Seconds();
  };
  const double fast = secondsOf("schnell.wav", {"--tempo", "250"});
  const double usual = secondsOf("normal.wav", {});
  const double slow = secondsOf("langsam.wav", {"--tempo=80"});
  const double syllables = secondsOf("silben.wav", {"--silbenweise"});
  EXPECT_LT(fast, usual);
  EXPECT_LT(usual, slow);
  EXPECT_GT(syllables, usual);
}

TEST(CliVorlesen, WrongCallsEndWithTheirCodeAndWriteNothing) {
  const fs::path folder = testing::FreshFolder("cli-vorlesen-codes");
  const std::string target = (folder / "t.wav").string();
  const struct {
    const char* name;
    std::vector<std::string> options;
    int code;
    const char* message;
  } rows[] = {
      {"no target",
       {"--text", "Hund"},
       2,
       "die Zieldatei fehlt; mit --wav DATEI oder --opus DATEI angeben; nichts geschrieben"},
      {"opus without a name", {"--wav", target, "--opus", "", "--text", "Hund"}, 2, "--wav DATEI oder --opus DATEI"},
      {"opus target is a folder", {"--wav", target, "--opus", folder.string(), "--text", "Hund"}, 1, "--opus „"},
      {"tempo below the range",
       {"--wav", target, "--tempo", "79", "--text", "Hund"},
       2,
       "--tempo „79“: das Sprechtempo ist eine ganze Zahl von 80 bis 250"},
      {"tempo above the range", {"--wav", target, "--tempo", "251", "--text", "Hund"}, 2, "von 80 bis 250"},
      {"tempo in words", {"--wav", target, "--tempo", "schnell", "--text", "Hund"}, 2, "von 80 bis 250"},
      {"tempo with a unit", {"--wav", target, "--tempo", "120wpm", "--text", "Hund"}, 2, "von 80 bis 250"},
      {"tempo without a value", {"--wav", target, "--tempo"}, 2, "--tempo"},
      {"unknown option", {"--wav", target, "--laut"}, 2, "--laut"},
      {"empty text", {"--wav", target, "--text", ""}, 1, "kein Originaltext vorhanden; nichts geschrieben"},
      {"target is a folder", {"--wav", folder.string(), "--text", "Hund"}, 1, "Nichts geschrieben."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliRun run = ReadAloud(row.options);
    EXPECT_EQ(run.code, row.code);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_directory(folder));
  }
}

TEST(CliVorlesen, AFailedWriteLeavesTheExistingFileAsItWas) {
  const fs::path folder = testing::FreshFolder("cli-vorlesen-gesperrt");
  const fs::path file = folder / "alt.wav";
  std::ofstream(file, std::ios::binary) << "alte Aufnahme";
  fs::permissions(file, static_cast<fs::perms>(0444));
  fs::permissions(folder, static_cast<fs::perms>(0555));
  fs::permissions(folder.parent_path(), fs::perms::others_exec, fs::perm_options::add);
  CliRun run;
  {
    testing::AsNobody nobody;
    ASSERT_NE(::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS), 0)
        << "the folder must be one that may not be written to";
    run = ReadAloud({"--wav", file.string(), "--text", "Der Hund bellt."});
  }
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("tesmoran-cli vorlesen: --wav „" + file.string() + "“: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Nichts geschrieben."), std::string::npos) << run.err;
  EXPECT_EQ(FileBytes(file), "alte Aufnahme");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tesmoran
