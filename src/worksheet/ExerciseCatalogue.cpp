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

// An exercise whose word-list path only shows a message.
Exercise RefusesList(const char* button, Text caption, Text message, Question question, TextTransform onText) {
  return Exercise{button, std::move(caption), ListPath::kMessage, std::move(message), std::move(question),
                  std::move(onText), nullptr};
}

// An exercise that transforms every word-list entry.
Exercise OnList(const char* button, Text caption, Question question, TextTransform onText, EntryTransform onEntry) {
  return Exercise{button, std::move(caption), ListPath::kTransformEntries, Text(), std::move(question),
                  std::move(onText), std::move(onEntry)};
}

// An exercise that always works on the text.
Exercise TextOnly(const char* button, Text caption, Question question, TextTransform onText) {
  return Exercise{button, std::move(caption), ListPath::kTextOnly, Text(), std::move(question),
                  std::move(onText), nullptr};
}

std::vector<Exercise> BuildCatalogue() {
  const Question none;
  Question letters{Question::Kind::kInput, U"Zu ersetztende Buchstaben:", 0, U"Buchstabenlücken", false};
  TextTransform gapLetters = [](const Text& text, const Answer& answer) {
    return GapChosenLetters(text, answer.letters);
  };
  return {
      OnList("Befehl1", U"Großletter", none, Plain<UpperCaseText>(), Plain<UpperCaseText>()),
      OnList("Befehl2", U"Kleinletter", none, Plain<LowerCaseText>(), Plain<LowerCaseText>()),
      RefusesList("Befehl3", U"Rückwärtstext", kChooseReverseWord, none, Plain<ReverseText>()),
      RefusesList("Befehl4", U"Umkehrtext", kChooseReverseWord, none, InPlace<ReverseTextWordOrder>()),
      TextOnly("Befehl5", U"Umkehrwort", none, Plain<ReverseEachWord>()),
      RefusesList("Befehl6", U"Bandwurmtext", U"Für Einzelwörter unsinnig.", none, Plain<JoinWords>()),
      RefusesList("Befehl7", U"Lückentext", U"Wählen Sie dafür 'Lücken-Wörter'.",
                  YesNoQuestion(U"Lückenfolge ab dem zweiten Wort?", style::kYesNo, U"Lückentext"),
                  WithYesNo<GapEveryOtherWord>()),
      OnList("Befehl8", U"Nur Erstletter", none, Plain<KeepFirstLetters>(), Plain<KeepFirstLettersOfEntry>()),
      OnList("Befehl9", U"Purzel-Wörter", none, InPlace<ShuffleWords>(),
             [](const Text& entry, const Answer&) { return ShuffleWord(entry); }),
      RefusesList("Befehl10", U"Umkehrsatz", kChooseReverseWord, none, Plain<ReverseSentenceWordOrder>()),
      OnList("Befehl11", U"Ohne Erstletter",
             YesNoQuestion(U"Buchstabenauswahl anbieten?\n\r ", style::kYesNoQuestion, U"Ohne Wortanfang",
                           /*beforeTake=*/true),
             WithYesNo<HideFirstLetters>(), WithYesNo<HideFirstLettersOfEntry>()),
      OnList("Befehl12", U"ABC-Wörter", none, Plain<SortWordsByAlphabet>(), Plain<SortWordByAlphabet>()),
      OnList("Befehl13", U"MitSel-Wörter", none, Plain<MarkConsonantsAndVowels>(),
             Plain<MarkConsonantsAndVowels>()),
      OnList("Befehl14", U"Lücken-Wörter",
             YesNoQuestion(U"Lückenfolge ab dem zweiten Buchstaben?", style::kYesNo, U"Lückenwort"),
             WithYesNo<GapEveryOtherLetterInWords>(), WithYesNo<GapEveryOtherLetter>()),
      OnList("Befehl15", U"Wortrahmen", none, Plain<FrameWords>(), Plain<FrameWord>()),
      OnList("Befehl16", U"ABC-Nr-Wörter", none, Plain<NumberWordsLetters>(), Plain<NumberWordLetters>()),
      OnList("Befehl18", U"Selbstlaute", none, Plain<ShowVowels>(), Plain<ShowVowels>()),
      OnList("Befehl19", U"Mitlaute", none, Plain<ShowConsonants>(), Plain<ShowConsonants>()),
      RefusesList("Befehl29", U"Rückwärtssatz", kChooseReverseWord, none, Plain<ReverseEachSentence>()),
      TextOnly("Befehl31", U"Buchstaben", letters, gapLetters),
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
