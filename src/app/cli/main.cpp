// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli: the exercises on the command line.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

int main(int argc, char** argv) {
  // Standard input and output are read and written in blocks; nothing else
  // in the program uses the C streams.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tesmoran::RunCli(args, std::cin, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cout.flush();
    std::cerr << "tesmoran-cli: zu wenig Arbeitsspeicher; nichts geschrieben\n";
    return 1;
  }
}
