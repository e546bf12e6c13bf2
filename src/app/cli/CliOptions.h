// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one option parser of tesmoran-cli: every command lists the options it
// takes, and the parser reads the arguments after the command's name against
// that list.  "--help" and "-h" are always accepted.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesmoran {

struct OptionSpec {
  std::string_view name;         // "--text"
  bool takesValue = true;        // false for a switch such as "--words"
  std::string_view choices;      // accepted values separated by '|'; empty: any value
  std::string_view choicesText;  // the accepted values as the error message names them
};

// The options of one call.  A value option given twice keeps its last value.
class ParsedOptions {
 public:
  bool Has(std::string_view name) const;
  // The option's value; nullopt when the option was not given.
  std::optional<std::string> Value(std::string_view name) const;
  // Every value of an option that may be given more than once, in order.
  std::vector<std::string> Values(std::string_view name) const;
  bool HelpWanted() const { return help_; }

 private:
  friend std::optional<ParsedOptions> ParseOptions(const std::vector<std::string>&, std::size_t,
                                                   std::span<const OptionSpec>, std::string&);
  std::vector<std::pair<std::string, std::string>> given_;
  bool help_ = false;
};

// Reads args from index first on, as "--name value" or "--name=value".
// nullopt with a German description of the fault in error (naming the
// option or argument at fault) for an unknown option, a missing value, a
// value given to a switch, a value that is not among the choices, or an
// argument that is not an option.
std::optional<ParsedOptions> ParseOptions(const std::vector<std::string>& args, std::size_t first,
                                          std::span<const OptionSpec> specs, std::string& error);

// „text“ in German quotation marks, for messages.
std::string Quoted(std::string_view text);

}  // namespace tesmoran
