// SPDX-License-Identifier: GPL-3.0-or-later
// What tesmoran-cli reads: only regular files where a file is named, and
// no more than the read limit from a file or from standard input, each
// refused with a German message and exit 1, nothing on standard output.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRun.h"

namespace tesmoran {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;

// Standard input as an endless stream of zero bytes, like /dev/zero.
class EndlessZeros : public std::streambuf {
 protected:
  int_type underflow() override {
    std::fill(std::begin(block_), std::end(block_), '\0');
    setg(block_, block_, block_ + sizeof block_);
    return traits_type::to_int_type('\0');
  }

 private:
  char block_[4096];
};

struct LimitCase {
  const char* name;
  std::vector<std::string> args;
  std::string errPart;
};

TEST(CliInputLimits, RefusesWhatIsNoFileOrTooLarge) {
  const fs::path folder = fs::path(::testing::TempDir()) / "cli-limits-ordner";
  fs::create_directories(folder);
  const std::string big = (fs::path(::testing::TempDir()) / "cli-limits-gross.txt").string();
  std::ofstream(big, std::ios::binary) << std::string(100, 'a');
  const LimitCase cases[] = {
      {"exceptions file is a folder",
       {"silben", "--ausnahmen", folder.string(), "--text", "Oma"},
       "„" + folder.string() + "“ ist ein Ordner; nichts geschrieben."},
      {"exceptions file is an endless device",
       {"silben", "--ausnahmen", "/dev/zero", "--text", "Oma"},
       "die Datei der Silben-Ausnahmen „/dev/zero“ ist keine gewöhnliche Datei"},
      {"exceptions file over the limit",
       {"silben", "--ausnahmen", big, "--text", "Oma"},
       "ist größer als 64 Bytes; nichts geschrieben"},
      {"exceptions file missing",
       {"silben", "--ausnahmen", "/nonexistent/ausnahmen.txt", "--text", "Oma"},
       "„/nonexistent/ausnahmen.txt“ gibt es nicht; nichts geschrieben"},
  };
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in;
    const CliRun run = testing::RunCliOn(c.args, in, 64);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
  }
  fs::remove_all(folder);
  fs::remove(big);
}

TEST(CliInputLimits, EndlessStandardInputStopsAtTheLimit) {
  for (const char* command : {"silben", "grossletter", "wortliste", "ersetzen"}) {
    SCOPED_TRACE(command);
    EndlessZeros zeros;
    std::istream in(&zeros);
    std::vector<std::string> args = {command};
    if (std::string(command) == "ersetzen") args.insert(args.end(), {"--search", "a", "--replacement", "b"});
    const CliRun run = testing::RunCliOn(args, in, 1 << 16);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("die Eingabe ist größer als 64 KiB; nichts geschrieben"), std::string::npos) << run.err;
  }
}

TEST(CliInputLimits, InputAtTheLimitIsRead) {
  std::istringstream in(std::string(64, 'a'));
  const CliRun run = testing::RunCliOn({"grossletter"}, in, 64);
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string(64, 'A') + "\n");
}

}  // namespace
}  // namespace tesmoran
