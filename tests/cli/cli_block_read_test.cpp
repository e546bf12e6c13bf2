// SPDX-License-Identifier: GPL-3.0-or-later
// Standard input that can tell its length is decoded a block at a time:
// the same result and the same messages as standard input that cannot
// (a pipe), which is read whole before it is decoded, wherever a
// character or an invalid byte lies against the blocks' ends.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "CliRun.h"
#include "exercises/Random.h"

namespace tesmoran {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;  // the command line's read block

using testing::CliRun;

// The bytes of a string as a pipe gives them: no seeking, so no length.
class PipeBuffer : public std::streambuf {
 public:
  explicit PipeBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 private:
  std::string bytes_;
};

CliRun RunOn(const std::vector<std::string>& args, std::istream& in) {
  ResetRandomForTesting();  // both ways draw the same shuffles
  return testing::RunCliOn(args, in);
}

struct BlockCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> args;
  std::string errPart;  // part of the message, empty when there is none
};

// ASCII up to `before` bytes in front of the first block's end, then `tail`.
std::string AtBlockEnd(std::size_t before, const std::string& tail) {
  std::string bytes(kBlock - before, 'a');
  for (std::size_t i = 5; i < bytes.size(); i += 6) bytes[i] = ' ';
  return bytes + tail;
}

TEST(CliBlockRead, GivesWhatReadingTheWholeInputGives) {
  const std::string bom = "\xEF\xBB\xBF";
  const BlockCase cases[] = {
      {"two-byte letter across the block end", AtBlockEnd(1, "\xC3\xA4 Hund."), {"umkehrtext"}, ""},
      {"three-byte sign across the block end", AtBlockEnd(2, "\xE2\x82\xAC Hund."), {"purzel-woerter"}, ""},
      {"four-byte sign across the block end", AtBlockEnd(3, "\xF0\x9F\x98\x80 x"), {"umkehrtext"}, ""},
      {"four-byte sign one byte in", AtBlockEnd(1, "\xF0\x9F\x98\x80 x"), {"wortliste"}, ""},
      {"invalid byte in the second block", AtBlockEnd(0, "ab\xFF"), {"umkehrtext"}, "Byte 0xFF an Stelle 65538"},
      {"letter cut off at the very end", AtBlockEnd(0, "ab\xC3"), {"umkehrtext"}, "Byte 0xC3 an Stelle 65538"},
      {"lead byte without its follower at the block end",
       AtBlockEnd(1, "\xC3(x"),
       {"umkehrtext"},
       "Byte 0xC3 an Stelle 65535"},
      {"byte order mark, then a long text", bom + AtBlockEnd(0, "Ende."), {"umkehrtext"}, ""},
      {"byte order mark counted in the offset",
       bom + AtBlockEnd(0, "\x80"),
       {"umkehrtext"},
       "Byte 0x80 an Stelle 65539"},
      {"byte order mark alone", bom, {"umkehrtext"}, "Kein Originaltext vorhanden."},
      {"two bytes of a byte order mark", "\xEF\xBB", {"umkehrtext"}, "Byte 0xEF an Stelle 0"},
      {"code page 1252 across the block end",
       AtBlockEnd(1, "\xE4\x80 Hund."),
       {"umkehrtext", "--encoding", "cp1252"},
       ""},
      {"code page 1252 gap in the second block",
       AtBlockEnd(0, "ab\x81"),
       {"umkehrtext", "--encoding", "cp1252"},
       "Byte 0x81 an Stelle 65538"},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream file(c.bytes);
    PipeBuffer pipeBuffer(c.bytes);
    std::istream pipe(&pipeBuffer);
    const CliRun inBlocks = RunOn(c.args, file);
    const CliRun whole = RunOn(c.args, pipe);
    EXPECT_EQ(inBlocks.code, whole.code);
    EXPECT_TRUE(inBlocks.out == whole.out);  // not printed: some are long
    EXPECT_EQ(inBlocks.err, whole.err);
    if (c.errPart.empty()) {
      EXPECT_EQ(inBlocks.code, 0) << inBlocks.err;
      EXPECT_FALSE(inBlocks.out.empty());
    } else {
      EXPECT_NE(inBlocks.code, 0);
      EXPECT_NE(inBlocks.err.find(c.errPart), std::string::npos) << inBlocks.err;
    }
  }
}

}  // namespace
}  // namespace tesmoran
