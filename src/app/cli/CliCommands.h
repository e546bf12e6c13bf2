#pragma once
// The sub-commands of tesmoran-cli besides the exercises.  Each takes the
// arguments after its own name and returns the exit code.
#include <iosfwd>
#include <string>
#include <vector>

namespace tesmoran {

// tesmoran-cli wortliste [--text T] [--encoding utf-8|cp1252]
int RunWordListCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                       std::ostream& err);

// tesmoran-cli ersetzen --search S --replacement A [--text T] [--encoding ...]
int RunReplaceCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);

}  // namespace tesmoran
