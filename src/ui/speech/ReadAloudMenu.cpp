// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech/ReadAloudMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "speech/SpeechEngine.h"

namespace tesmoran {
namespace {

const QString kKeyTempo = QStringLiteral("Vorlesen/Sprechtempo");

QString TempoCaption(int wordsPerMinute) {
  QString caption = QStringLiteral("%1 Wörter je Minute").arg(wordsPerMinute);
  if (wordsPerMinute == SpeechOptions::kDefaultWordsPerMinute) caption += QStringLiteral(" (Standard)");
  return caption;
}

}  // namespace

int ReadAloudMenu::WordsPerMinute() const {
  const QAction* chosen = tempo->checkedAction();
  return chosen ? chosen->data().toInt() : SpeechOptions::kDefaultWordsPerMinute;
}

void ReadAloudMenu::SetUnavailable(const QString& why) const {
  for (QAction* entry : {original, solution, bySyllables}) {
    entry->setEnabled(why.isEmpty());
    entry->setToolTip(why.isEmpty() ? entry->text().remove(QLatin1Char('&')) : why);
  }
}

ReadAloudMenu FillReadAloudMenu(QMenu& menu, QSettings& store) {
  menu.setToolTipsVisible(true);
  ReadAloudMenu entries;
  entries.original = menu.addAction(QStringLiteral("Originaltext vorlesen"));
  entries.original->setShortcut(QKeySequence(Qt::Key_F5));
  entries.solution = menu.addAction(QStringLiteral("Lösungstext vorlesen"));
  entries.bySyllables = menu.addAction(QStringLiteral("Silbenweise vorlesen"));
  entries.stop = menu.addAction(QStringLiteral("Anhalten"));
  entries.stop->setShortcut(QKeySequence(Qt::Key_Escape));
  // Esc keeps its other uses in the window while nothing is read.
  entries.stop->setEnabled(false);
  menu.addSeparator();

  QMenu* tempo = menu.addMenu(QStringLiteral("Sprechtempo"));
  entries.tempo = new QActionGroup(&menu);
  const int kept = store.value(kKeyTempo, SpeechOptions::kDefaultWordsPerMinute).toInt();
  bool anyChecked = false;
  for (const int wordsPerMinute : kTempoChoices) {
    QAction* choice = tempo->addAction(TempoCaption(wordsPerMinute));
    choice->setData(wordsPerMinute);
    choice->setCheckable(true);
    choice->setChecked(wordsPerMinute == kept);
    anyChecked = anyChecked || wordsPerMinute == kept;
    entries.tempo->addAction(choice);
    QObject::connect(choice, &QAction::triggered, &menu,
                     [&store, wordsPerMinute] { store.setValue(kKeyTempo, wordsPerMinute); });
  }
  if (!anyChecked) {
    for (QAction* choice : entries.tempo->actions()) {
      if (choice->data().toInt() == SpeechOptions::kDefaultWordsPerMinute) choice->setChecked(true);
    }
  }
  entries.SetUnavailable({});
  return entries;
}

}  // namespace tesmoran
