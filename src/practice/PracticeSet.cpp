// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeSet.h"

#include <algorithm>

#include "exercises/CharacterSets.h"
#include "exercises/GapMarks.h"
#include "practice/PracticeSegments.h"
#include "text/CaseMap.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

bool HasLetter(TextView text) {
  return std::any_of(text.begin(), text.end(),
                     [](Char c) { return IsVowel(c) || IsConsonant(c) || ToUpperChar(c) != ToLowerChar(c); });
}

bool HoldsLineBreak(TextView text) { return text.find(kLF) != TextView::npos || text.find(kCR) != TextView::npos; }

// Collects the parts of one section, joining neighbouring plain parts
// unless a line break starts a new one.
class SectionBuilder {
 public:
  SectionBuilder(TextView text, const std::vector<std::size_t>& sentenceEnds, PracticeSection& section)
      : text_(text), ends_(sentenceEnds), section_(section) {}

  void Plain(std::size_t from, std::size_t to, TextView out) {
    const bool newLine = HoldsLineBreak(text_.substr(from, to - from));
    std::vector<PracticePiece>& pieces = section_.pieces;
    if (!pieces.empty() && !pieces.back().item && !newLine) {
      pieces.back().shown.append(StripControlChars(out));
      pieces.back().to = to;
      return;
    }
    PracticePiece piece;
    piece.shown = StripControlChars(out);
    Place(piece, from, to);
    pieces.push_back(std::move(piece));
  }

  void Item(PracticePiece piece, std::size_t from, std::size_t to) {
    piece.item = true;
    Place(piece, from, to);
    section_.pieces.push_back(std::move(piece));
  }

 private:
  void Place(PracticePiece& piece, std::size_t from, std::size_t to) const {
    piece.from = from;
    piece.to = to;
    piece.sentence = static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), from) - ends_.begin());
    if (piece.sentence >= ends_.size() && !ends_.empty()) piece.sentence = ends_.size() - 1;
    piece.newLine = HoldsLineBreak(text_.substr(from, to - from));
  }

  TextView text_;
  const std::vector<std::size_t>& ends_;
  PracticeSection& section_;
};

// One word of a word exercise: its characters [from, to) and, per
// character, what the exercise made of it, or only the whole word's result.
struct WordUnit {
  std::size_t from = 0;
  std::size_t to = 0;
  std::vector<const Segment*> parts;
};

Text OutputOf(const WordUnit& unit) {
  Text out;
  for (const Segment* s : unit.parts) out.append(s->out);
  return out;
}

// kLetters: the shown form and, beside it, the same form with the gaps
// filled; false when the word has no gap to fill.
bool LetterItem(TextView text, const WordUnit& unit, PracticePiece& piece) {
  Text shown;
  Text filled;
  auto pair = [&](Char out, Char original) {
    if (IsControlChar(out)) return;
    shown.push_back(out);
    filled.push_back(IsControlChar(original) ? kSpace : original);
  };
  if (unit.parts.size() == 1 && unit.parts[0]->to - unit.parts[0]->from != 1) {
    // A whole word that keeps its length: every gap stands for the character at its place.
    const Text& out = unit.parts[0]->out;
    const TextView word = text.substr(unit.from, unit.to - unit.from);
    if (out.size() != word.size()) return false;
    for (std::size_t k = 0; k < out.size(); ++k) pair(out[k], word[k]);
  } else {
    for (const Segment* s : unit.parts) {
      if (s->out.size() == 1 && s->out[0] == kGapMark) {
        pair(kGapMark, text[s->from]);
      } else {
        for (Char c : s->out) pair(c, c);
      }
    }
  }
  bool gap = false;
  for (std::size_t k = 0; k < shown.size(); ++k) {
    if (shown[k] == kGapMark && filled[k] != kGapMark && filled[k] != kSpace) gap = true;
  }
  if (!gap) return false;
  piece.shown = std::move(shown);
  piece.answer = std::move(filled);
  return true;
}

void AddWordUnit(const PracticeExercise& exercise, TextView text, const WordUnit& unit, SectionBuilder& builder) {
  PracticePiece piece;
  const TextView word = text.substr(unit.from, unit.to - unit.from);
  if (exercise.form == ItemForm::kLetters) {
    if (LetterItem(text, unit, piece)) {
      builder.Item(std::move(piece), unit.from, unit.to);
      return;
    }
  } else {
    piece.shown = StripControlChars(OutputOf(unit));
    piece.answer = SpokenForm(word);
    if (HasLetter(piece.answer) && (exercise.everyWord || piece.shown != piece.answer)) {
      builder.Item(std::move(piece), unit.from, unit.to);
      return;
    }
  }
  builder.Plain(unit.from, unit.to, OutputOf(unit));
}

// kLetters and kWord: every word an item or plain text, every delimiter plain.
void AddWords(const PracticeExercise& exercise, TextView text, const std::vector<Segment>& segments,
              SectionBuilder& builder) {
  WordUnit unit;
  auto flush = [&] {
    if (!unit.parts.empty()) AddWordUnit(exercise, text, unit, builder);
    unit = WordUnit();
  };
  for (const Segment& s : segments) {
    const bool delimiter = s.to - s.from == 1 && IsWordDelimiter(text[s.from]);
    if (delimiter || s.from == s.to) {
      flush();
      builder.Plain(s.from, s.to, s.out);
      continue;
    }
    if (unit.parts.empty()) unit.from = s.from;
    unit.to = s.to;
    unit.parts.push_back(&s);
    if (exercise.tracing == Tracing::kWords) flush();
  }
  flush();
}

// kGap: every run of characters written as word gaps is one item.
void AddWordGaps(TextView text, const std::vector<Segment>& segments, SectionBuilder& builder) {
  std::size_t k = 0;
  while (k < segments.size()) {
    if (segments[k].out.size() != 2) {
      builder.Plain(segments[k].from, segments[k].to, segments[k].out);
      ++k;
      continue;
    }
    PracticePiece piece;
    const std::size_t from = segments[k].from;
    Text out;
    for (; k < segments.size() && segments[k].out.size() == 2; ++k) out.append(segments[k].out);
    const std::size_t to = segments[k - 1].to;
    piece.answer = SpokenForm(text.substr(from, to - from));
    if (piece.answer.empty()) {
      builder.Plain(from, to, out);
      continue;
    }
    piece.shown = StripControlChars(out);
    builder.Item(std::move(piece), from, to);
  }
}

// kSplit and kTiles: one item per sentence.
void AddSentences(const PracticeExercise& exercise, TextView text, const std::vector<Segment>& segments,
                  const std::vector<std::size_t>& ends, SectionBuilder& builder) {
  std::size_t k = 0;
  std::size_t from = 0;
  for (std::size_t end : ends) {
    Text out;
    for (; k < segments.size() && segments[k].to <= end; ++k) out.append(segments[k].out);
    PracticePiece piece;
    piece.shown = StripControlChars(out);
    piece.answer = SpokenForm(text.substr(from, end - from));
    bool item = piece.shown != piece.answer && !piece.answer.empty();
    if (exercise.form == ItemForm::kTiles) {
      std::size_t start = 0;
      const Text& sentence = piece.answer;
      while (start <= sentence.size()) {
        std::size_t space = sentence.find(kSpace, start);
        if (space == Text::npos) space = sentence.size();
        if (space > start) piece.tiles.push_back(sentence.substr(start, space - start));
        start = space + 1;
      }
      std::reverse(piece.tiles.begin(), piece.tiles.end());
      item = piece.tiles.size() >= 2;
    }
    if (item) {
      builder.Item(std::move(piece), from, end);
    } else {
      builder.Plain(from, end, out);
    }
    from = end;
  }
}

std::vector<Segment> Trace(Tracing tracing, const Text& text, const ButtonTransform& transform,
                           const std::vector<std::size_t>& ends) {
  switch (tracing) {
    case Tracing::kWords: return WordSegments(text, transform);
    case Tracing::kCharacters: return CharacterSegments(text, transform);
    case Tracing::kWordGaps: return GapMarkSegments(text, transform);
    case Tracing::kRemovals: return RemovalSegments(text, transform);
    case Tracing::kSentences: return SentenceSegments(text, ends, transform);
  }
  return {};
}

const Exercise& EverySentenceBackwards() { return *FindExerciseByButton("Befehl29"); }

}  // namespace

std::size_t PracticeSection::ItemCount() const {
  return static_cast<std::size_t>(std::count_if(pieces.begin(), pieces.end(), [](const auto& p) { return p.item; }));
}

Text PracticeSection::Shown() const {
  Text shown;
  for (const PracticePiece& p : pieces) shown.append(p.shown);
  return shown;
}

Text PracticeSection::WordsBefore(std::size_t index) const {
  if (index == 0 || index > pieces.size() || pieces[index].newLine) return Text();
  const PracticePiece& before = pieces[index - 1];
  return before.item ? Text() : before.shown;
}

Text PracticeSection::WordsAfter(std::size_t index) const {
  if (index + 1 >= pieces.size()) return Text();
  const PracticePiece& after = pieces[index + 1];
  return after.item || after.newLine ? Text() : after.shown;
}

Answer DefaultPracticeAnswer() { return Answer{true, kDefaultGapLetters}; }

Text SpokenForm(TextView text) {
  Text spoken;
  spoken.reserve(text.size());
  bool pendingSpace = false;
  for (Char c : text) {
    if (IsControlChar(c)) {
      pendingSpace = true;
      continue;
    }
    if (pendingSpace && c != kSpace && !spoken.empty() && spoken.back() != kSpace) spoken.push_back(kSpace);
    pendingSpace = false;
    spoken.push_back(c);
  }
  const std::size_t first = spoken.find_first_not_of(kSpace);
  if (first == Text::npos) return Text();
  const std::size_t last = spoken.find_last_not_of(kSpace);
  return spoken.substr(first, last + 1 - first);
}

PracticeSection BuildPracticeSection(const PracticeExercise& exercise, const Text& text, const Answer& answer,
                                     const std::vector<std::size_t>& sentenceEnds) {
  const Exercise& button = ButtonExercise(exercise);
  PracticeSection section;
  section.exercise = &exercise;
  section.caption = button.caption;
  const ButtonTransform transform = [&](const Text& t) { return button.onText(t, answer); };
  // Each exercise with a random part is traced word by word, so that the
  // words draw in the order the button's run would.
  const std::vector<Segment> segments = Trace(exercise.tracing, text, transform, sentenceEnds);
  SectionBuilder builder(text, sentenceEnds, section);
  switch (exercise.form) {
    case ItemForm::kGap: AddWordGaps(text, segments, builder); break;
    case ItemForm::kLetters:
    case ItemForm::kWord: AddWords(exercise, text, segments, builder); break;
    case ItemForm::kSplit:
    case ItemForm::kTiles: AddSentences(exercise, text, segments, sentenceEnds, builder); break;
  }
  return section;
}

PracticeSet BuildPracticeSet(const Text& text, const std::vector<const PracticeExercise*>& exercises,
                             const Answer& answer) {
  PracticeSet set;
  const ButtonTransform backwards = [](const Text& t) { return EverySentenceBackwards().onText(t, Answer()); };
  const std::vector<std::size_t> ends = SentenceCuts(text, backwards);
  std::size_t from = 0;
  for (std::size_t end : ends) {
    set.sentences.push_back(SpokenForm(TextView(text).substr(from, end - from)));
    from = end;
  }
  for (const PracticeExercise* exercise : exercises) {
    set.sections.push_back(BuildPracticeSection(*exercise, text, answer, ends));
  }
  return set;
}

}  // namespace tesmoran
