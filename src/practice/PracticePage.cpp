// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticePage.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "exercises/CharacterSets.h"
#include "practice/PageJson.h"
#include "practice/PracticePageAssets.h"
#include "speech/EspeakEngine.h"
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

// The reading-syllable colours, one character per character of the text:
// "0" and "1" for the two colours, "-" outside the words.  Empty when no
// character is coloured.  `letters` is the text whose syllables count, as
// long as the text shown.
std::string SyllableColours(TextView letters, const Syllabifier& syllabifier) {
  const std::vector<std::size_t> breaks = syllabifier.Breaks(letters, SyllableKind::kReading);
  std::string out;
  out.reserve(letters.size());
  std::size_t next = 0;
  char colour = '-';
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const Char c = letters[i];
    while (next < breaks.size() && breaks[next] < i) ++next;
    if (IsWordDelimiter(c) || IsControlChar(c)) {
      colour = '-';
    } else if (colour == '-') {
      colour = '0';
    } else if (next < breaks.size() && breaks[next] == i) {
      colour = colour == '0' ? '1' : '0';
    }
    out.push_back(colour);
  }
  if (out.find_first_not_of('-') == std::string::npos) out.clear();
  return out;
}

void AppendKey(std::string_view key, std::string& out) {
  out.push_back('"');
  out += key;
  out += "\":";
}

// A piece names its sentence only when it differs from the one before.
void AppendPiece(const PracticePiece& piece, std::size_t sentenceBefore, std::uint32_t key, const Syllabifier* colours,
                 std::string& out) {
  out.push_back('{');
  AppendKey("t", out);
  AppendJsonString(piece.shown, out);
  if (piece.sentence != sentenceBefore) out += ",\"s\":" + std::to_string(piece.sentence);
  if (piece.newLine) out += ",\"nl\":1";
  if (piece.item) {
    out += ",";
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
    std::string syllables;
    if (!piece.item) {
      syllables = SyllableColours(piece.shown, *colours);
    } else if (piece.answer.size() == piece.shown.size()) {
      syllables = SyllableColours(piece.answer, *colours);
    }
    if (!syllables.empty()) out += ",\"f\":\"" + syllables + "\"";
  }
  out.push_back('}');
}

std::string PageData(const PracticeSet& set, const PracticePageOptions& options, PracticeLevel level,
                     const Syllabifier* colours, const PracticeAudio* audio) {
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
  out += "]";
  if (audio) {
    // The sound of each sentence, Ogg Opus in Base64; the script falls back
    // to the browser's voice where one is empty.
    out += ",\"ton\":[";
    for (std::size_t k = 0; k < set.sentences.size(); ++k) {
      if (k > 0) out.push_back(',');
      out += "\"" + (k < audio->sentences.size() ? Base64(audio->sentences[k]) : std::string()) + "\"";
    }
    out += "]";
  }
  out += ",\"uebungen\":[";
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
    std::size_t sentence = 0;
    for (std::size_t p = 0; p < section.pieces.size(); ++p) {
      if (p > 0) out.push_back(',');
      const bool letters = !section.pieces[p].item || section.exercise->form == ItemForm::kLetters;
      AppendPiece(section.pieces[p], sentence, key, letters ? colours : nullptr, out);
      sentence = section.pieces[p].sentence;
    }
    out += "]}";
  }
  out += "]}";
  return out;
}

const std::string& FontFace() {
  static const std::string face = "@font-face{font-family:\"Lesefont TESMORAN\";src:url(data:font/woff2;base64," +
                                  Base64(PracticePageFontWoff2()) +
                                  ") format(\"woff2\");font-weight:400;font-style:normal;font-display:block}\n";
  return face;
}

// The script's hash as the policy writes it: Base64 of the digest.
const std::string& ScriptHash() {
  static const std::string hash = [] {
    const std::string_view hex = PracticePageScriptSha256Hex();
    std::string digest;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
      digest.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return Base64(digest);
  }();
  return hash;
}

// The page with every marker replaced; the markers are looked up in the
// page alone, never in what replaces them.
std::string FillPage(std::string_view page, const std::array<std::pair<std::string_view, std::string>, 6>& fills) {
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

PracticeAudio SpokenSentences(const PracticeSet& set, const PracticePageOptions& options) {
  if (options.voice) return SpeakPracticeSentences(set.sentences, *options.voice);
  return SpeakPracticeSentences(set.sentences, EspeakEngine());
}

std::string BuildPracticePage(const PracticeSet& set, const PracticePageOptions& options, PracticeLevel level,
                              const PracticeAudio* audio) {
  const bool coloured = level == PracticeLevel::kEasy || options.syllablesEverywhere;
  const Syllabifier* colours = coloured ? options.syllabifier : nullptr;
  const Text title = options.title.empty() ? Text(U"Übungsseite") : options.title;
  return FillPage(PracticePageHtml(), {{
                                          {"@TITEL@", HtmlEscaped(title)},
                                          {"/*@STIL@*/", FontFace() + std::string(PracticePageCss())},
                                          {"@DATEN@", PageData(set, options, level, colours, audio)},
                                          {"/*@SKRIPT@*/", std::string(PracticePageScript())},
                                          {"@SKRIPTHASH@", ScriptHash()},
                                          // Sound only from the page itself, and only when it carries some.
                                          {"@MEDIEN@", audio ? "data:" : "'none'"},
                                      }});
}

std::string BuildPracticePage(const PracticePageOptions& options, PracticeLevel level) {
  const PracticeSet set = BuildPracticeSet(options.text, ChosenExercises(options), options.answer);
  if (!options.spokenSentences) return BuildPracticePage(set, options, level);
  const PracticeAudio audio = SpokenSentences(set, options);
  return BuildPracticePage(set, options, level, audio.error.empty() ? &audio : nullptr);
}

std::filesystem::path PathForLevel(const std::filesystem::path& path, PracticeLevel level) {
  std::filesystem::path named = path;
  std::string name = path.stem().string() + "-";
  for (Char c : LevelName(level)) name.push_back(static_cast<char>(c));
  named.replace_filename(name + path.extension().string());
  return named;
}

}  // namespace tesmoran
