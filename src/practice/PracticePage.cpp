// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticePage.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "exercises/CharacterSets.h"
#include "practice/PageJson.h"
#include "practice/PracticePageAssets.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

const char* FormName(ItemForm form) {
  switch (form) {
    case ItemForm::kGap: return "luecke";
    case ItemForm::kLetters: return "buchstaben";
    case ItemForm::kWord: return "wort";
    case ItemForm::kSplit: return "trennen";
    case ItemForm::kTiles: return "ordnen";
  }
  return "wort";
}

// The colour runs of the reading syllables: per run its length and 0 or 1
// for the two syllable colours, -1 outside the words.  `letters` is the text
// whose syllables count, as long as the text shown.
std::string SyllableRuns(TextView letters, const Syllabifier& syllabifier) {
  const std::vector<std::size_t> breaks = syllabifier.Breaks(letters, SyllableKind::kReading);
  std::string out = "[";
  std::size_t next = 0;
  int colour = -1;
  int runColour = -2;
  std::size_t runLength = 0;
  auto flush = [&] {
    if (runLength == 0) return;
    if (out.size() > 1) out.push_back(',');
    out += "[" + std::to_string(runLength) + "," + std::to_string(runColour) + "]";
  };
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const Char c = letters[i];
    const bool inWord = !IsWordDelimiter(c) && !IsControlChar(c);
    while (next < breaks.size() && breaks[next] < i) ++next;
    int now = -1;
    if (inWord) {
      if (colour < 0) {
        now = 0;
      } else {
        now = next < breaks.size() && breaks[next] == i ? 1 - colour : colour;
      }
    }
    colour = now;
    if (now != runColour) {
      flush();
      runColour = now;
      runLength = 0;
    }
    ++runLength;
  }
  flush();
  out.push_back(']');
  return out;
}

void AppendKey(std::string_view key, std::string& out) {
  out.push_back('"');
  out += key;
  out += "\":";
}

void AppendPiece(const PracticePiece& piece, std::uint32_t key, const Syllabifier* colours, std::string& out) {
  out.push_back('{');
  AppendKey("t", out);
  AppendJsonString(piece.shown, out);
  out += ",\"s\":" + std::to_string(piece.sentence);
  if (piece.newLine) out += ",\"nl\":1";
  if (piece.item) {
    out += ",\"i\":1,";
    AppendKey("a", out);
    out += "\"" + HiddenText(piece.answer, key) + "\"";
    if (!piece.tiles.empty()) {
      out += ",\"k\":[";
      for (std::size_t k = 0; k < piece.tiles.size(); ++k) {
        if (k > 0) out.push_back(',');
        AppendJsonString(piece.tiles[k], out);
      }
      out.push_back(']');
    }
  }
  if (colours && !piece.shown.empty()) {
    // Plain text and the letters of a word with gaps; no other form keeps the letters of the words.
    if (!piece.item) {
      out += ",\"f\":" + SyllableRuns(piece.shown, *colours);
    } else if (piece.answer.size() == piece.shown.size()) {
      out += ",\"f\":" + SyllableRuns(piece.answer, *colours);
    }
  }
  out.push_back('}');
}

std::string PageData(const PracticeSet& set, const PracticePageOptions& options, PracticeLevel level,
                     const Syllabifier* colours) {
  const std::uint32_t key = AnswerKey(options.text);
  std::string out = "{";
  AppendKey("titel", out);
  AppendJsonString(options.title.empty() ? Text(U"Übungsseite") : options.title, out);
  out += ",\"stufe\":" + std::to_string(static_cast<int>(level));
  out += std::string(",\"loesung\":") + (options.solutionAllowed ? "true" : "false");
  out += ",\"schluessel\":" + std::to_string(key);
  out += ",\"saetze\":[";
  for (std::size_t k = 0; k < set.sentences.size(); ++k) {
    if (k > 0) out.push_back(',');
    out += "\"" + HiddenText(set.sentences[k], key) + "\"";
  }
  out += "],\"uebungen\":[";
  for (std::size_t e = 0; e < set.sections.size(); ++e) {
    const PracticeSection& section = set.sections[e];
    if (e > 0) out.push_back(',');
    out.push_back('{');
    AppendKey("name", out);
    AppendJsonString(section.caption, out);
    out += ",\"form\":\"";
    out += FormName(section.exercise->form);
    out += "\",";
    AppendKey("auftrag", out);
    AppendJsonString(section.exercise->task, out);
    out += ",\"teile\":[";
    for (std::size_t p = 0; p < section.pieces.size(); ++p) {
      if (p > 0) out.push_back(',');
      const bool letters = !section.pieces[p].item || section.exercise->form == ItemForm::kLetters;
      AppendPiece(section.pieces[p], key, letters ? colours : nullptr, out);
    }
    out += "]}";
  }
  out += "]}";
  return out;
}

const std::string& FontFace() {
  static const std::string face = "@font-face{font-family:\"Andika LRS\";src:url(data:font/woff2;base64," +
                                  Base64(PracticePageFontWoff2()) +
                                  ") format(\"woff2\");font-weight:400;font-style:normal;font-display:block}\n";
  return face;
}

// The page with every marker replaced; the markers are looked up in the
// page alone, never in what replaces them.
std::string FillPage(std::string_view page, const std::array<std::pair<std::string_view, std::string>, 4>& fills) {
  std::string out;
  out.reserve(page.size() + 64 * 1024);
  std::size_t at = 0;
  while (at < page.size()) {
    std::size_t best = std::string_view::npos;
    const std::pair<std::string_view, std::string>* fill = nullptr;
    for (const auto& f : fills) {
      const std::size_t found = page.find(f.first, at);
      if (found < best) {
        best = found;
        fill = &f;
      }
    }
    if (!fill) {
      out.append(page.substr(at));
      break;
    }
    out.append(page.substr(at, best - at));
    out.append(fill->second);
    at = best + fill->first.size();
  }
  return out;
}

}  // namespace

Text LevelName(PracticeLevel level) {
  switch (level) {
    case PracticeLevel::kEasy: return U"leicht";
    case PracticeLevel::kMedium: return U"mittel";
    case PracticeLevel::kHard: return U"schwer";
  }
  return U"leicht";
}

std::vector<const PracticeExercise*> ChosenExercises(const PracticePageOptions& options) {
  if (!options.exercises.empty()) return options.exercises;
  return {&PracticeExercises().front()};
}

std::string BuildPracticePage(const PracticeSet& set, const PracticePageOptions& options, PracticeLevel level) {
  const bool coloured = level == PracticeLevel::kEasy || options.syllablesEverywhere;
  const Syllabifier* colours = coloured ? options.syllabifier : nullptr;
  const Text title = options.title.empty() ? Text(U"Übungsseite") : options.title;
  return FillPage(PracticePageHtml(), {{
                                          {"@TITEL@", HtmlEscaped(title)},
                                          {"/*@STIL@*/", FontFace() + std::string(PracticePageCss())},
                                          {"@DATEN@", PageData(set, options, level, colours)},
                                          {"/*@SKRIPT@*/", std::string(PracticePageScript())},
                                      }});
}

std::string BuildPracticePage(const PracticePageOptions& options, PracticeLevel level) {
  return BuildPracticePage(BuildPracticeSet(options.text, ChosenExercises(options), options.answer), options, level);
}

std::filesystem::path PathForLevel(const std::filesystem::path& path, PracticeLevel level) {
  std::filesystem::path named = path;
  std::string name = path.stem().string() + "-";
  for (Char c : LevelName(level)) name.push_back(static_cast<char>(c));
  named.replace_filename(name + path.extension().string());
  return named;
}

}  // namespace tesmoran
