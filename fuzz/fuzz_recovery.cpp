// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file reader on any bytes: it never crashes, it refuses with
// a reason or accepts, and what it accepts is written back to the very same
// bytes and read again to the same worksheet.  Random bytes rarely carry a
// matching checksum, so each input is read twice: as it is, and as the part
// above the checksum line with the right checksum appended.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "worksheet/RecoveryFormat.h"

namespace tesmoran::fuzz {
namespace {

bool SameWorksheet(const Worksheet& a, const Worksheet& b) {
  return a.Text1.text == b.Text1.text && a.Text1.selStart == b.Text1.selStart &&
         a.Text1.selLength == b.Text1.selLength && a.Text2 == b.Text2 && a.Liste3 == b.Liste3 &&
         a.Liste2.Entries() == b.Liste2.Entries() && a.Liste4 == b.Liste4;
}

void CheckRead(std::string_view bytes) {
  Text why;
  const std::optional<Worksheet> ws = ReadRecovery(bytes, &why);
  if (!ws) {
    Check(!why.empty(), "a refused recovery file has no reason");
    return;
  }
  Check(why.empty(), "an accepted recovery file has a reason", why);
  Check(
      ws->Text1.selStart <= ws->Text1.text.size() && ws->Text1.selLength <= ws->Text1.text.size() - ws->Text1.selStart,
      "the marked part lies outside the original text");
  Check(ws->Liste3 == kModeReplace || ws->Liste3 == kModeExtend, "unknown working mode");

  const std::string written = WriteRecovery(*ws);
  Check(written == bytes, "an accepted file is not written back to the same bytes");
  Text again;
  const std::optional<Worksheet> reread = ReadRecovery(written, &again);
  Check(reread.has_value(), "a written recovery file is refused", again);
  Check(SameWorksheet(*ws, *reread), "a written recovery file reads back to another worksheet");
}

}  // namespace
}  // namespace tesmoran::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::CheckRead(bytes);

  char sum[24];
  std::snprintf(sum, sizeof sum, "crc32 %08x\n", Crc32(bytes));
  fuzz::CheckRead(std::string(bytes) + sum);
  return 0;
}
