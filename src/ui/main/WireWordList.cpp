// SPDX-License-Identifier: GPL-3.0-or-later
// The word list's icon and buttons: Bild8 builds the list from the original
// text, the seven buttons beside the list work on its entries.
#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "ui/main/Form1.h"
#include "ui/main/Wiring.h"
#include "ui/main/WordListView.h"
#include "wordlist/WordListBuild.h"
#include "wordlist/WordListCommands.h"

namespace tesmoran {
namespace {

template <class Button>
void RunOnClick(Form1& form, Button* button, Command command) {
  QObject::connect(button, &Button::clicked, &form, [&form, command = std::move(command)] { form.Run(command); });
}

}  // namespace

void WireWordList(Form1& form) {
  const Form1Controls& c = form.Controls();
  ToggleOnEveryClick(*c.Liste2);
  RunOnClick(form, c.Bild8, BuildWordList);
  const std::pair<QPushButton*, Command> buttons[] = {
      {c.Befehl20, AppendSelectedWords},  // "<=="
      {c.Befehl21, SelectAllWords},       // "Alle"
      {c.Befehl24, SelectNoWords},        // "Keines"
      {c.Befehl25, DeleteSelectedWords},  // "Löschen"
      {c.Befehl28, SaveWordListCopy},     // "Sichern"
      {c.Befehl23, RestoreWordListCopy},  // "Reset"
      {c.Befehl30, CopySelectedWords},    // "Ersetze Zwischenablage"
  };
  for (const auto& [button, command] : buttons) RunOnClick(form, button, command);
}

}  // namespace tesmoran
