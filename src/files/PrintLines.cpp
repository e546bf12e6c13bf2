// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PrintLines.h"

namespace tesmoran {

std::vector<Text> PrintPieces(TextView text) {
  std::vector<Text> pieces;
  while (!text.empty()) {
    const TextView window = text.substr(0, kPrintLineWidth);
    const std::size_t space = window.rfind(kSpace);
    const std::size_t length = space == TextView::npos ? window.size() : space + 1;
    pieces.emplace_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return pieces;
}

std::vector<Text> PaperLines(TextView text) {
  std::vector<Text> lines;
  for (const Text& piece : PrintPieces(text)) {
    Text line;
    for (std::size_t i = 0; i < piece.size(); ++i) {
      if (piece[i] == kCR || piece[i] == kLF) {
        if (piece[i] == kCR && i + 1 < piece.size() && piece[i + 1] == kLF) ++i;
        lines.push_back(std::move(line));
        line.clear();
      } else {
        line.push_back(piece[i]);
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace tesmoran
