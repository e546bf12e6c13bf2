// The word list's icon and buttons: Bild8 builds the list from the original
// text, the seven buttons beside the list work on its entries.
#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "ui/Form1.h"
#include "ui/Wiring.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordListCommands.h"

namespace tesmoran {

namespace {

using Command = void (*)(Worksheet&, UiServices&);

template <class Button>
void RunOnClick(Form1& form, const char* name, Command command) {
  QObject::connect(form.Control<Button>(name), &Button::clicked, &form, [&form, command] { form.Run(command); });
}

}  // namespace

void WireWordList(Form1& form) {
  RunOnClick<QToolButton>(form, "Bild8", BuildWordList);
  const std::pair<const char*, Command> buttons[] = {
      {"Befehl20", AppendSelectedWords},  // "<=="
      {"Befehl21", SelectAllWords},       // "Alle"
      {"Befehl24", SelectNoWords},        // "Keines"
      {"Befehl25", DeleteSelectedWords},  // "Löschen"
      {"Befehl28", SaveWordListCopy},     // "Sichern"
      {"Befehl23", RestoreWordListCopy},  // "Reset"
      {"Befehl30", CopySelectedWords},    // "Ersetze Zwischenablage"
  };
  for (const auto& [name, command] : buttons) RunOnClick<QPushButton>(form, name, command);
}

}  // namespace tesmoran
