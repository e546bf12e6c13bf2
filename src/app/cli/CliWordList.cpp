#include <ostream>

#include "app/cli/CliCommands.h"

namespace tesmoran {

int RunWordListCommand(const std::vector<std::string>& /*args*/, std::istream& /*in*/, std::ostream& /*out*/,
        std::ostream& err) {
  err << "tesmoran-cli: not available yet\n";
  return 2;
}

}  // namespace tesmoran
