// SPDX-License-Identifier: GPL-3.0-or-later
// "Silben trennen" in the main window: Ctrl+T and an entry in the German
// context menu of both text fields.  The engine is made with the user's
// syllable exceptions on every call, so that a list edited meanwhile holds;
// the pattern file itself is read only once per run, in the background
// (SyllableEngineLoader.h): a call before then waits without freezing the
// window.
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

#include "files/SyllableExceptionsFile.h"
#include "platform/qt/QtText.h"
#include "text/Utf8.h"
#include "ui/main/Form1.h"
#include "ui/syllables/SyllableEngineLoader.h"
#include "ui/syllables/SyllableExceptionsEditor.h"
#include "ui/main/Wiring.h"
#include "worksheet/SyllableExercise.h"

namespace tesmoran {
namespace {

// The exceptions of the user's list; a missing file is an empty list.  A
// list that cannot be read or is not UTF-8 is reported and left out this
// time; a list with malformed lines is reported, and its good lines hold.
SyllableExceptions LoadUserExceptions(UiServices& ui) {
  const QString path = SyllableExceptionsPath();
  ExceptionsFileLoad load = LoadSyllableExceptionsFile(QFile::encodeName(path).toStdString());
  if (load.failure == ReadFailure::kMissing) return {};
  if (!load.usable()) {
    const Text what = load.notUtf8 ? U"sind kein UTF-8-Text" : ReadFailurePredicate(load.failure);
    ui.MessageBox(U"Die Silben-Ausnahmen „" + FromQString(path) + U"“ " + what + U" und bleiben diesmal unbeachtet.",
                  style::kOkExclamation, kSyllableExerciseCaption);
    return {};
  }
  if (const Text report = load.exceptions.MalformedReport(); !report.empty()) {
    ui.MessageBox(report, style::kOkExclamation, kSyllableExerciseCaption);
  }
  return std::move(load.exceptions);
}

void RunSyllables(Form1& form) {
  SyllableEngineLoader::Of(form).WhenReady(&form, [&form](const SyllableEngineLoader& engine) {
    form.Run([&engine](Worksheet& ws, UiServices& ui) {
      RunSyllableExercise(engine.Engine(LoadUserExceptions(ui)), ws, ui);
    });
  });
}

// The field's own German context menu with "Silben trennen" added.
void AddToContextMenu(Form1& form, QPlainTextEdit* field) {
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(field, &QWidget::customContextMenuRequested, &form, [&form, field](const QPoint& at) {
    QMenu* menu = field->createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* action = menu->addAction(QString::fromUtf8("Silben trennen"));
    action->setObjectName(QStringLiteral("silbenTrennen"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(action, &QAction::triggered, &form, [&form] { RunSyllables(form); });
    menu->popup(field->viewport()->mapToGlobal(at));
  });
}

}  // namespace

std::shared_ptr<const Syllabifier> UserSyllabifier(const SyllableEngineLoader& engine, UiServices& ui) {
  SyllabifierLoad load = engine.Engine(LoadUserExceptions(ui));
  if (!load.syllabifier) ui.MessageBox(load.error, style::kOkExclamation, kSyllableExerciseCaption);
  return load.syllabifier;
}

void WireSyllables(Form1& form, QMenu* exercises) {
  const Form1Controls& c = form.Controls();
  // In the menu bar's "Übungen" menu, which then owns Ctrl+T; without the
  // bar a window-wide shortcut.
  if (exercises) {
    exercises->addSeparator();
    QAction* action = exercises->addAction(QString::fromUtf8("Silben trennen"));
    action->setObjectName(QStringLiteral("silbenTrennenMenue"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(action, &QAction::triggered, &form, [&form] { RunSyllables(form); });
  } else {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), &form);
    shortcut->setObjectName(QStringLiteral("silbenTrennenKurz"));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &form, [&form] { RunSyllables(form); });
  }
  AddToContextMenu(form, c.Text1);
  AddToContextMenu(form, c.Text2);
}

}  // namespace tesmoran
