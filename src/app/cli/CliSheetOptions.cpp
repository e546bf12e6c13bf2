// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliSheetOptions.h"

#include <list>
#include <optional>
#include <string>

#include "app/cli/CliExitCode.h"
#include "printsheet/SheetSettingFields.h"

namespace tesmoran {
namespace {

// The usage line and the help are wrapped at this many characters, the
// indent not counted.
constexpr std::size_t kLineWidth = 83;

bool OnCommandLine(const SheetSettingField& f) { return !f.option.empty(); }

std::size_t Characters(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The pieces joined by spaces, a line broken between two pieces where the
// next would pass kLineWidth; every line but the first starts with indent.
std::string Wrapped(const std::vector<std::string>& pieces, std::string_view indent) {
  std::string text;
  std::size_t width = 0;
  for (const std::string& piece : pieces) {
    if (width > 0 && width + 1 + Characters(piece) > kLineWidth) {
      text.append("\n").append(indent);
      width = 0;
    } else if (width > 0) {
      text += ' ';
      ++width;
    }
    text += piece;
    width += Characters(piece);
  }
  return text;
}

void AppendWords(std::vector<std::string>& pieces, std::string_view text) {
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    pieces.emplace_back(text.substr(0, space));
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
  }
}

// "keine|farben|boegen" as the parser's message names it: "keine, farben oder boegen".
std::string ChoicesText(std::string_view choices) {
  std::string text;
  std::size_t bar;
  while ((bar = choices.find('|')) != std::string_view::npos) {
    if (!text.empty()) text += ", ";
    text.append(choices.substr(0, bar));
    choices.remove_prefix(bar + 1);
  }
  return text.empty() ? std::string(choices) : text + " oder " + std::string(choices);
}

std::string BuildSynopsis() {
  std::vector<std::string> pieces = {"--pdf DATEI.pdf", "[--original DATEI]"};
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (!OnCommandLine(f)) continue;
    pieces.push_back("[" + std::string(f.option) + (f.placeholder.empty() ? "" : " ") + std::string(f.placeholder) +
                     "]");
  }
  pieces.insert(pieces.end(), {"[--text TEXT]", "[--encoding utf-8|cp1252]"});
  return Wrapped(pieces, "    ");
}

std::string BuildHelp() {
  std::vector<std::string> pieces;
  AppendWords(pieces, "--original DATEI fügt ein Lösungsblatt mit dem Originaltext an;");
  std::vector<std::string> ranges;
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (!OnCommandLine(f) || f.kind != FieldKind::kNumber) continue;
    std::string range = std::string(f.option) + " " + std::to_string(f.range.min) + "–" + std::to_string(f.range.max);
    if (!f.unit.empty()) range.append(" ").append(f.unit);
    ranges.push_back(std::move(range));
  }
  for (std::size_t i = 0; i < ranges.size(); ++i) AppendWords(pieces, ranges[i] + (i + 1 < ranges.size() ? "," : "."));
  AppendWords(pieces, "Gezeichnet wird immer ohne Fenster, auch ohne Bildschirm.");
  return "  Setzt den Text (--text oder Standardeingabe) als Lösungstext auf Seiten wie das Fenster\n"
         "  „Arbeitsblatt“ und schreibt sie nach DATEI.pdf („--pdf -“: auf die Standardausgabe).\n"
         "  " +
         Wrapped(pieces, "  ") + "\n";
}

// A whole number within [min, max] or nullopt.
std::optional<int> NumberIn(const std::string& value, int min, int max) {
  if (value.empty() || value.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < min || n > max) return std::nullopt;
  return n;
}

// The index of value among the '|'-separated choices (the parser has
// checked that it is one of them).
int ChoiceIndex(std::string_view choices, std::string_view value) {
  int index = 0;
  for (std::size_t bar; (bar = choices.find('|')) != std::string_view::npos; ++index) {
    if (choices.substr(0, bar) == value) return index;
    choices.remove_prefix(bar + 1);
  }
  return index;
}

}  // namespace

std::vector<OptionSpec> SheetOptions() {
  // The parser's messages name the accepted words from here.
  static std::list<std::string> choicesTexts;
  std::vector<OptionSpec> options = {{"--pdf", true, "", ""}, {"--original", true, "", ""}};
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (!OnCommandLine(f)) continue;
    if (f.kind == FieldKind::kChoice && !f.placeholder.empty()) {
      options.push_back({f.option, true, f.placeholder, choicesTexts.emplace_back(ChoicesText(f.placeholder))});
    } else {
      options.push_back({f.option, !f.placeholder.empty(), "", ""});
    }
  }
  options.push_back(TextOption());
  options.push_back(EncodingOption());
  return options;
}

std::string_view SheetSynopsis() {
  static const std::string synopsis = BuildSynopsis();
  return synopsis;
}

std::string_view SheetHelp() {
  static const std::string help = BuildHelp();
  return help;
}

int ReadSheetOptions(const ParsedOptions& options, CliEncoding encoding, SheetSettings& settings,
                     const CliContext& context) {
  // Numbers first: a number out of range is a wrong call, whatever else is wrong.
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (!OnCommandLine(f) || f.kind != FieldKind::kNumber) continue;
    const std::optional<std::string> value = options.Value(f.option);
    if (!value) continue;
    const std::optional<int> n = NumberIn(*value, f.range.min, f.range.max);
    if (!n) {
      context.Error(std::string(f.option) + " " + Quoted(*value) + " ist keine ganze Zahl von " +
                    std::to_string(f.range.min) + " bis " + std::to_string(f.range.max) + "; nichts geschrieben");
      return kExitUsage;
    }
    settings.*f.number = *n;
  }
  for (const SheetSettingField& f : SheetSettingFields()) {
    if (!OnCommandLine(f) || f.kind == FieldKind::kNumber || !options.Has(f.option)) continue;
    const std::string value = options.Value(f.option).value_or("");
    switch (f.kind) {
      case FieldKind::kText:
      case FieldKind::kFont: {
        std::optional<Text> text = DecodeCliBytes(value, encoding, f.option, context);
        if (!text) return kExitNothingWritten;
        settings.*f.text = std::move(*text);
        break;
      }
      case FieldKind::kChoice:
        f.choice.set(settings, f.placeholder.empty() ? 1 - f.range.standard : ChoiceIndex(f.placeholder, value));
        break;
      case FieldKind::kSwitch: settings.*f.flag = f.range.standard == 0; break;
      case FieldKind::kNumber:
      case FieldKind::kColour: break;
    }
  }
  return kExitDone;
}

}  // namespace tesmoran
