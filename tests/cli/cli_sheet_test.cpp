// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli arbeitsblatt, in-process; the PDF files are read back with
// the poppler tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/Cli.h"

namespace tesmoran {
namespace {

int Sheet(std::vector<std::string> options, const std::string& input = std::string()) {
  options.insert(options.begin(), "arbeitsblatt");
  std::istringstream in(input);
  std::ostringstream out, err;
  return RunCli(options, in, out, err);
}

std::string Output(const std::string& command) {
  std::string result;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.append(buffer, n);
    pclose(pipe);
  }
  return result;
}

std::string Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The file without the line that holds its creation date.
std::string WithoutCreationDate(std::string pdf) {
  const std::size_t at = pdf.find("/CreationDate");
  if (at != std::string::npos) pdf.erase(at, pdf.find('\n', at) - at);
  return pdf;
}

std::string TempPdf(const char* name) { return ::testing::TempDir() + name; }

TEST(CliArbeitsblatt, WritesAnA4Page) {
  const std::string pdf = TempPdf("cli-sheet-a4.pdf");
  ASSERT_EQ(Sheet({"--pdf", pdf, "--text", "Oma liest am Abend."}), 0);
  EXPECT_NE(Output("pdfinfo '" + pdf + "'").find("595 x 842 pts"), std::string::npos);
  std::remove(pdf.c_str());
}

TEST(CliArbeitsblatt, ColouredSyllablesCopyAsWholeWords) {
  const std::string pdf = TempPdf("cli-sheet-words.pdf");
  ASSERT_EQ(Sheet({"--pdf", pdf, "--silben", "farben"}, "Oma liest am Abend."), 0);
  const std::string text = Output("pdftotext '" + pdf + "' -");
  EXPECT_NE(text.find("Abend"), std::string::npos) << text;
  EXPECT_NE(text.find("Oma"), std::string::npos) << text;
  EXPECT_EQ(text.find("A bend"), std::string::npos) << text;
  std::remove(pdf.c_str());
}

TEST(CliArbeitsblatt, OriginalAddsTheAnswerKeyPage) {
  const std::string original = TempPdf("cli-sheet-original.txt");
  std::ofstream(original, std::ios::binary) << "Der Igel schl\xC3\xA4" "ft.";
  const std::string pdf = TempPdf("cli-sheet-key.pdf");
  ASSERT_EQ(Sheet({"--pdf", pdf, "--original", original, "--text", "Der I_el schl_ft."}), 0);
  const std::string info = Output("pdfinfo '" + pdf + "'");
  const std::size_t pages = info.find("Pages:");
  ASSERT_NE(pages, std::string::npos) << info;
  EXPECT_EQ(std::stoi(info.substr(pages + 6)), 2) << info;
  EXPECT_NE(Output("pdftotext -f 2 '" + pdf + "' -").find("Der Igel schläft."), std::string::npos);
  std::remove(pdf.c_str());
  std::remove(original.c_str());
}

TEST(CliArbeitsblatt, SameInputGivesTheSameFileButItsDate) {
  const std::string first = TempPdf("cli-sheet-first.pdf"), second = TempPdf("cli-sheet-second.pdf");
  const std::vector<std::string> options = {"--silben", "boegen", "--titel", "Silben", "--lineatur", "2",
                                            "--text", "Oma liest am Abend."};
  std::vector<std::string> a = options, b = options;
  a.insert(a.begin(), {"--pdf", first});
  b.insert(b.begin(), {"--pdf", second});
  ASSERT_EQ(Sheet(a), 0);
  ASSERT_EQ(Sheet(b), 0);
  const std::string one = Bytes(first), two = Bytes(second);
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
      {"size above 32", {"--pdf", pdf, "--groesse", "40"}, 2},
      {"size not a number", {"--pdf", pdf, "--groesse", "gross"}, 2},
      {"spacing below 100", {"--pdf", pdf, "--zeilenabstand", "90"}, 2},
      {"31 writing lines", {"--pdf", pdf, "--lineatur", "31"}, 2},
      {"unknown syllable marks", {"--pdf", pdf, "--silben", "bunt"}, 2},
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

}  // namespace
}  // namespace tesmoran
