// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli arbeitsblatt, in-process; the PDF files are read back with
// the poppler tools.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRun.h"
#include "TestFiles.h"

namespace tesmoran {
namespace {

using SheetRun = testing::CliRun;
using testing::FileBytes;
using testing::ShellOutput;

SheetRun RunSheet(std::vector<std::string> options) {
  options.insert(options.begin(), "arbeitsblatt");
  return testing::RunCliWith(options);
}

int Sheet(std::vector<std::string> options) { return RunSheet(std::move(options)).code; }

// The file without the line that holds its creation date.
std::string WithoutCreationDate(std::string pdf) {
  const std::size_t at = pdf.find("/CreationDate");
  if (at != std::string::npos) pdf.erase(at, pdf.find('\n', at) - at);
  return pdf;
}

std::string TempPdf(const char* name) { return ::testing::TempDir() + name; }

TEST(CliArbeitsblatt, OriginalAddsTheAnswerKeyPage) {
  const std::string original = TempPdf("cli-sheet-original.txt");
  std::ofstream(original, std::ios::binary) << "Der Igel schl\xC3\xA4"
                                               "ft.";
  const std::string pdf = TempPdf("cli-sheet-key.pdf");
  ASSERT_EQ(Sheet({"--pdf", pdf, "--original", original, "--text", "Der I_el schl_ft."}), 0);
  const std::string info = ShellOutput("pdfinfo '" + pdf + "'");
  const std::size_t pages = info.find("Pages:");
  ASSERT_NE(pages, std::string::npos) << info;
  EXPECT_EQ(std::stoi(info.substr(pages + 6)), 2) << info;
  EXPECT_NE(ShellOutput("pdftotext -f 2 '" + pdf + "' -").find("Der Igel schläft."), std::string::npos);
  std::remove(pdf.c_str());
  std::remove(original.c_str());
}

TEST(CliArbeitsblatt, SameInputGivesTheSameFileButItsDate) {
  const std::string first = TempPdf("cli-sheet-first.pdf"), second = TempPdf("cli-sheet-second.pdf");
  const std::vector<std::string> options = {"--silben",   "boegen", "--titel", "Silben",
                                            "--lineatur", "2",      "--text",  "Oma liest am Abend."};
  std::vector<std::string> a = options, b = options;
  a.insert(a.begin(), {"--pdf", first});
  b.insert(b.begin(), {"--pdf", second});
  ASSERT_EQ(Sheet(a), 0);
  ASSERT_EQ(Sheet(b), 0);
  const std::string one = FileBytes(first), two = FileBytes(second);
  ASSERT_FALSE(one.empty());
  EXPECT_TRUE(WithoutCreationDate(one) == WithoutCreationDate(two));
  std::remove(first.c_str());
  std::remove(second.c_str());
}

struct BadCall {
  const char* name;
  std::vector<std::string> options;
  int code;
};

TEST(CliArbeitsblatt, BadValuesWriteNoFile) {
  const std::string pdf = TempPdf("cli-sheet-bad.pdf");
  const BadCall cases[] = {
      // Each option's values are checked with the options themselves.
      {"size above 32", {"--pdf", pdf, "--groesse", "40"}, 2},
      {"no target file", {"--groesse", "16"}, 2},
      {"unreadable original", {"--pdf", pdf, "--original", "/nonexistent/original.txt"}, 1},
      {"folder that does not exist", {"--pdf", "/nonexistent/blatt.pdf"}, 1},
  };
  for (const BadCall& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> options = c.options;
    options.insert(options.end(), {"--text", "Oma"});
    EXPECT_EQ(Sheet(options), c.code);
    EXPECT_FALSE(std::filesystem::exists(pdf));
  }
}

namespace fs = std::filesystem;

struct HostileCase {
  const char* name;
  std::vector<std::string> options;
  std::string errPart;
};

TEST(CliArbeitsblatt, NamesThatAreNoPlainFileAreRefusedAndKept) {
  const std::string folder = TempPdf("cli-sheet-ordner");
  fs::create_directories(folder);
  const std::string fifo = TempPdf("cli-sheet-rohr.pdf");
  fs::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string pdf = TempPdf("cli-sheet-hostile.pdf");
  const HostileCase cases[] = {
      {"original is a folder",
       {"--pdf", pdf, "--original", folder},
       "„" + folder + "“ ist ein Ordner; nichts geschrieben."},
      {"original is an endless device", {"--pdf", pdf, "--original", "/dev/zero"}, "ist keine gewöhnliche Datei"},
      {"target is a pipe", {"--pdf", fifo}, "keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder einen Socket"},
      {"target is a device", {"--pdf", "/dev/null"}, "Für die Standardausgabe „--pdf -“ angeben"},
      {"target is a folder", {"--pdf", folder}, "Unter diesem Namen gibt es ein Verzeichnis."},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> options = c.options;
    options.insert(options.end(), {"--text", "Oma"});
    const SheetRun run = RunSheet(options);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(pdf));
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
  fs::remove(fifo);
  fs::remove_all(folder);
}

TEST(CliArbeitsblatt, DashWritesThePdfToStandardOutput) {
  const SheetRun run = RunSheet({"--pdf", "-", "--text", "Oma liest."});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("%PDF-")) << run.out.substr(0, 16);
  EXPECT_NE(run.out.find("%%EOF"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

// The installed command, as a user without root's rights where the test
// runs as root.
std::string CliAsUser(const std::string& arguments) {
  const std::string user = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  return user + "'" TESMORAN_CLI_PATH "' " + arguments + " 2>&1; echo \"exit $?\"";
}

TEST(CliArbeitsblatt, ReadOnlyPdfIsRefusedAndUntouched) {
  const std::string pdf = TempPdf("cli-sheet-alt.pdf");
  fs::remove(pdf);
  std::ofstream(pdf, std::ios::binary) << "alte Seiten";
  fs::permissions(pdf, static_cast<fs::perms>(0444));
  const std::string said = ShellOutput(CliAsUser("arbeitsblatt --pdf '" + pdf + "' --text Oma"));
  EXPECT_NE(said.find("Keine Berechtigung zum Schreiben."), std::string::npos) << said;
  EXPECT_NE(said.find("exit 1"), std::string::npos) << said;
  EXPECT_EQ(FileBytes(pdf), "alte Seiten");
  EXPECT_EQ(fs::status(pdf).permissions() & fs::perms::mask, static_cast<fs::perms>(0444));
  fs::remove(pdf);
}

TEST(CliArbeitsblatt, DrawsOffscreenWhateverTheDisplaySays) {
  const std::string pdf = TempPdf("cli-sheet-no-display.pdf");
  fs::remove(pdf);
  const std::string said = ShellOutput("env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:4711 '" TESMORAN_CLI_PATH
                                       "' arbeitsblatt --pdf '" +
                                       pdf + "' --text Oma 2>&1; echo \"exit $?\"");
  EXPECT_EQ(said, "exit 0\n") << "nothing of Qt's on standard error";
  EXPECT_TRUE(FileBytes(pdf).starts_with("%PDF-"));
  fs::remove(pdf);
}

}  // namespace
}  // namespace tesmoran
