// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliOptions.h"

#include <algorithm>

namespace tesmoran {
namespace {

const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view name) {
  const auto it = std::find_if(specs.begin(), specs.end(), [name](const OptionSpec& s) { return s.name == name; });
  return it == specs.end() ? nullptr : &*it;
}

bool IsChoice(std::string_view choices, std::string_view value) {
  while (!choices.empty()) {
    const std::size_t bar = choices.find('|');
    if (choices.substr(0, bar) == value) return true;
    if (bar == std::string_view::npos) break;
    choices.remove_prefix(bar + 1);
  }
  return false;
}

}  // namespace

bool ParsedOptions::Has(std::string_view name) const {
  return std::any_of(given_.begin(), given_.end(), [name](const auto& g) { return g.first == name; });
}

std::optional<std::string> ParsedOptions::Value(std::string_view name) const {
  for (auto it = given_.rbegin(); it != given_.rend(); ++it) {
    if (it->first == name) return it->second;
  }
  return std::nullopt;
}

std::vector<std::string> ParsedOptions::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& g : given_) {
    if (g.first == name) values.push_back(g.second);
  }
  return values;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "„";
  quoted.append(text).append("“");
  return quoted;
}

std::optional<ParsedOptions> ParseOptions(const std::vector<std::string>& args, std::size_t first,
                                          std::span<const OptionSpec> specs, std::string& error) {
  ParsedOptions options;
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help_ = true;
      continue;
    }
    if (!arg.starts_with("--")) {
      error = "überzähliges Argument " + Quoted(arg) + " (Optionen beginnen mit --)";
      return std::nullopt;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionSpec* spec = FindSpec(specs, name);
    if (spec == nullptr) {
      error = "unbekannte Option " + Quoted(name);
      return std::nullopt;
    }
    std::string value;
    if (!spec->takesValue) {
      if (equals != std::string::npos) {
        error = "die Option " + Quoted(name) + " nimmt keinen Wert";
        return std::nullopt;
      }
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = "die Option " + Quoted(name) + " braucht einen Wert";
      return std::nullopt;
    }
    if (!spec->choices.empty() && !IsChoice(spec->choices, value)) {
      error = "die Option " + Quoted(name) + " erwartet " + std::string(spec->choicesText) + ", nicht " + Quoted(value);
      return std::nullopt;
    }
    options.given_.emplace_back(name, std::move(value));
  }
  return options;
}

}  // namespace tesmoran
