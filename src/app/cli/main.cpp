// SPDX-License-Identifier: GPL-3.0-or-later
// tesmoran-cli: the exercises on the command line.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
  // Standard input and output are read and written in blocks; nothing else
  // in the program uses the C streams.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
#if defined(__GLIBC__)
  // A long text goes through in pieces, each needing the same few buffers
  // of some hundred KiB: they stay in the heap instead of being handed back
  // to the system and faulted in again for every piece.  Whole texts are
  // still mapped on their own and returned as soon as they are freed.
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
  mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tesmoran::RunCli(args, std::cin, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cout.flush();
    std::cerr << "tesmoran-cli: zu wenig Arbeitsspeicher; nichts geschrieben\n";
    return 1;
  }
}
