// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/ExerciseCatalogue.h"

#include "exercises/CaseAndReversal.h"
#include "exercises/FirstLetters.h"
#include "exercises/Gaps.h"
#include "exercises/ShuffleAndAlphabet.h"
#include "exercises/VowelsAndConsonants.h"

namespace tesmoran {
namespace {

// A transformation that needs no answer (of the work text or of an entry).
template <Text (*Function)(TextView)>
auto Plain() {
  return [](const Text& text, const Answer&) { return Function(text); };
}

// A transformation of the work text that builds its result in the work text
// itself: a long text is then never held twice.
template <Text (*Function)(Text)>
TextTransform InPlace() {
  return [](Text text, const Answer&) { return Function(std::move(text)); };
}

// A transformation that takes the answer of a Yes/No question.
template <Text (*Function)(TextView, bool)>
auto WithYesNo() {
  return [](const Text& text, const Answer& answer) { return Function(text, answer.yes); };
}

Question YesNoQuestion(Text prompt, int styleValue, Text title, bool beforeTake = false) {
  return Question{Question::Kind::kYesNo, std::move(prompt), styleValue, std::move(title), beforeTake};
}

inline constexpr const char32_t* kChooseReverseWord = U"Wählen Sie dafür 'Umkehrwort'.";

// Where an exercise's button sits and where the command line may cut a long
// text for it.
struct Place {
  const char* button;
  GridCell cell;
  CutRule cut;
};

// An exercise whose word-list path only shows a message.
Exercise RefusesList(Place place, Text caption, Text message, Question question, TextTransform onText) {
  return Exercise{
      place.button, std::move(caption), ListPath::kMessage, std::move(message), std::move(question), std::move(onText),
      nullptr,      place.cell,         place.cut};
}

// An exercise that transforms every word-list entry.
Exercise OnList(Place place, Text caption, Question question, TextTransform onText, EntryTransform onEntry) {
  return Exercise{place.button,
                  std::move(caption),
                  ListPath::kTransformEntries,
                  Text(),
                  std::move(question),
                  std::move(onText),
                  std::move(onEntry),
                  place.cell,
                  place.cut};
}

// An exercise that always works on the text.
Exercise TextOnly(Place place, Text caption, Question question, TextTransform onText) {
  return Exercise{place.button, std::move(caption),  ListPath::kTextOnly,
                  Text(),       std::move(question), std::move(onText),
                  nullptr,      place.cell,          place.cut};
}

std::vector<Exercise> BuildCatalogue() {
  const Question none;
  Question letters{Question::Kind::kInput, U"Zu ersetztende Buchstaben:", 0, U"Buchstabenlücken", false};
  TextTransform gapLetters = [](const Text& text, const Answer& answer) { return GapChosenLetters(text, answer.letters); };
  // The cut rules: the case, vowel and consonant exercises and "Buchstaben"
  // look at one character at a time; "Umkehrwort", "ABC-Wörter",
  // "Lücken-Wörter", "Wortrahmen" and "ABC-Nr-Wörter" transform word by word,
  // each word on its own, and leave an empty word empty ("Purzel-Wörter"
  // draws a random number even for an empty word).  "Rückwärtstext" reverses
  // the order of all characters: its pieces are run from the last to the
  // first.  "Umkehrsatz" and "Rückwärtssatz" transform sentence by sentence.
  // "Bandwurmtext" takes the character after a space unexamined: a piece may
  // start after any other character.  "Nur Erstletter" and "Ohne Erstletter"
  // look at a character and the one before it, and treat a word after a space
  // as they treat the first character of the text.  "Lückentext" alternates
  // at every delimiter it looks at (it does not look at the character right
  // after one): a piece may start where it looks after an even number of them.
  using enum CutRule;
  return {
      OnList({"Befehl1", {0, 0}, kAnywhere}, U"Großletter", none, Plain<UpperCaseText>(), Plain<UpperCaseText>()),
      OnList({"Befehl2", {1, 0}, kAnywhere}, U"Kleinletter", none, Plain<LowerCaseText>(), Plain<LowerCaseText>()),
      RefusesList({"Befehl3", {0, 1}, kAnywhereLastFirst}, U"Rückwärtstext", kChooseReverseWord, none,
                  Plain<ReverseText>()),
      RefusesList({"Befehl4", {2, 1}, kNowhere}, U"Umkehrtext", kChooseReverseWord, none,
                  InPlace<ReverseTextWordOrder>()),
      TextOnly({"Befehl5", {3, 3}, kAfterWordDelimiter}, U"Umkehrwort", none, Plain<ReverseEachWord>()),
      RefusesList({"Befehl6", {2, 0}, kAfterNonSpace}, U"Bandwurmtext", U"Für Einzelwörter unsinnig.", none,
                  Plain<JoinWords>()),
      RefusesList({"Befehl7", {3, 0}, kAfterEvenDelimiters}, U"Lückentext", U"Wählen Sie dafür 'Lücken-Wörter'.",
                  YesNoQuestion(U"Lückenfolge ab dem zweiten Wort?", style::kYesNo, U"Lückentext"),
                  WithYesNo<GapEveryOtherWord>()),
      OnList({"Befehl8", {2, 2}, kAtWordAfterSpace}, U"Nur Erstletter", none, Plain<KeepFirstLetters>(),
             Plain<KeepFirstLettersOfEntry>()),
      OnList({"Befehl9", {2, 4}, kNowhere}, U"Purzel-Wörter", none, InPlace<ShuffleWords>(),
             [](const Text& entry, const Answer&) { return ShuffleWord(entry); }),
      RefusesList({"Befehl10", {3, 1}, kAfterSentenceEnd}, U"Umkehrsatz", kChooseReverseWord, none,
                  Plain<ReverseSentenceWordOrder>()),
      OnList({"Befehl11", {3, 2}, kAtWordAfterSpace}, U"Ohne Erstletter",
             YesNoQuestion(U"Buchstabenauswahl anbieten?\n\r ", style::kYesNoQuestion, U"Ohne Wortanfang",
                           /*beforeTake=*/true),
             WithYesNo<HideFirstLetters>(), WithYesNo<HideFirstLettersOfEntry>()),
      OnList({"Befehl12", {0, 3}, kAfterWordDelimiter}, U"ABC-Wörter", none, Plain<SortWordsByAlphabet>(),
             Plain<SortWordByAlphabet>()),
      OnList({"Befehl13", {1, 4}, kAnywhere}, U"MitSel-Wörter", none, Plain<MarkConsonantsAndVowels>(),
             Plain<MarkConsonantsAndVowels>()),
      OnList({"Befehl14", {0, 4}, kAfterWordDelimiter}, U"Lücken-Wörter",
             YesNoQuestion(U"Lückenfolge ab dem zweiten Buchstaben?", style::kYesNo, U"Lückenwort"),
             WithYesNo<GapEveryOtherLetterInWords>(), WithYesNo<GapEveryOtherLetter>()),
      OnList({"Befehl15", {2, 3}, kAfterWordDelimiter}, U"Wortrahmen", none, Plain<FrameWords>(), Plain<FrameWord>()),
      OnList({"Befehl16", {1, 3}, kAfterWordDelimiter}, U"ABC-Nr-Wörter", none, Plain<NumberWordsLetters>(),
             Plain<NumberWordLetters>()),
      OnList({"Befehl18", {1, 2}, kAnywhere}, U"Selbstlaute", none, Plain<ShowVowels>(), Plain<ShowVowels>()),
      OnList({"Befehl19", {0, 2}, kAnywhere}, U"Mitlaute", none, Plain<ShowConsonants>(), Plain<ShowConsonants>()),
      RefusesList({"Befehl29", {1, 1}, kAfterSentenceEnd}, U"Rückwärtssatz", kChooseReverseWord, none,
                  Plain<ReverseEachSentence>()),
      TextOnly({"Befehl31", {3, 4}, kAnywhere}, U"Buchstaben", letters, gapLetters),
  };
}

}  // namespace

const std::vector<Exercise>& ExerciseCatalogue() {
  static const std::vector<Exercise> catalogue = BuildCatalogue();
  return catalogue;
}

const Exercise* FindExerciseByButton(std::string_view button) {
  for (const Exercise& e : ExerciseCatalogue()) {
    if (button == e.button) return &e;
  }
  return nullptr;
}

}  // namespace tesmoran
