#include "app/cli/Cli.h"

#include <ostream>

namespace tesmoran {

int RunCli(const std::vector<std::string>& args, std::istream&, std::ostream&, std::ostream& err) {
  (void)args;
  err << "usage: tesmoran-cli EXERCISE [options]\n";
  return 2;
}

}  // namespace tesmoran
