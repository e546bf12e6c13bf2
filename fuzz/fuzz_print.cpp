// SPDX-License-Identifier: GPL-3.0-or-later
// Breaking the solution text for printing: the pieces put together give the
// text again; each is at most 46 characters long and ends at the last space
// among the next 46 characters, or holds 46 characters without a space; the
// paper lines hold no line break.
#include <cstdint>

#include "FuzzInput.h"
#include "files/PrintLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesmoran;
  using namespace tesmoran::fuzz;
  FuzzInput input(data, size);
  const Text text = input.RestText();
  Text joined;
  for (const Text& piece : PrintPieces(text)) {
    const TextView next = TextView(text).substr(joined.size(), kPrintLineWidth);
    Check(!piece.empty() && piece.size() <= kPrintLineWidth, "piece empty or too long", piece);
    const std::size_t lastSpace = next.rfind(U' ');
    if (lastSpace == TextView::npos) {
      Check(piece == next, "a piece without a space is not the next 46 characters", piece);
    } else {
      Check(piece == next.substr(0, lastSpace + 1), "a piece is not broken after the last space", piece);
    }
    joined += piece;
  }
  Check(joined == text, "the pieces do not give the text again", text);
  for (const Text& line : PaperLines(text)) {
    Check(line.size() <= kPrintLineWidth, "a paper line is too long", line);
    Check(line.find_first_of(U"\r\n") == Text::npos, "a paper line holds a line break", line);
  }
  return 0;
}
