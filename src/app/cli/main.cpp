// tesmoran-cli: the exercises on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tesmoran::RunCli(args, std::cin, std::cout, std::cerr);
}
