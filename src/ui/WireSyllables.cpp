// SPDX-License-Identifier: GPL-3.0-or-later
// "Silben trennen" in the main window: Ctrl+T and an entry in the German
// context menu of both text fields.  The engine is made with the user's
// syllable exceptions on every call, so that a list edited meanwhile holds;
// the pattern file itself is read only once per run, in the background
// (SyllableEngineLoader.h): a call before then waits without freezing the
// window.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStandardPaths>

#include "platform/qt/QtText.h"
#include "text/Utf8.h"
#include "ui/Form1.h"
#include "ui/SyllableEngineLoader.h"
#include "ui/Wiring.h"
#include "worksheet/SyllableExercise.h"

namespace tesmoran {
namespace {

// The user's list of syllable exceptions in the program's data folder.
QString ExceptionsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/silben-ausnahmen.txt");
}

// The exceptions of the user's list; a missing file is an empty list.  A
// list that is not UTF-8 or has malformed lines is reported, and its good
// lines still hold.
SyllableExceptions LoadUserExceptions(UiServices& ui) {
  QFile file(ExceptionsFile());
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  std::string_view view(bytes.constData(), std::size_t(bytes.size()));
  if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
  const std::optional<Text> text = DecodeUtf8(view);
  if (!text) {
    ui.MessageBox(U"Die Silben-Ausnahmen „" + FromQString(ExceptionsFile()) +
                      U"“ sind kein UTF-8-Text und bleiben diesmal unbeachtet.",
                  style::kOkExclamation, kSyllableExerciseCaption);
    return {};
  }
  SyllableExceptions exceptions = SyllableExceptions::Parse(*text);
  if (const Text report = exceptions.MalformedReport(); !report.empty()) {
    ui.MessageBox(report, style::kOkExclamation, kSyllableExerciseCaption);
  }
  return exceptions;
}

}  // namespace

std::shared_ptr<const Syllabifier> UserSyllabifier(const SyllableEngineLoader& engine, UiServices& ui) {
  SyllabifierLoad load = engine.Engine(LoadUserExceptions(ui));
  if (!load.syllabifier) ui.MessageBox(load.error, style::kOkExclamation, kSyllableExerciseCaption);
  return load.syllabifier;
}

namespace {

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

void WireSyllables(Form1& form) {
  // In the menu bar's "Übungen" menu, which then owns Ctrl+T; without the
  // bar a window-wide shortcut.
  QMenu* exercises = nullptr;
  if (auto* bar = form.findChild<QMenuBar*>(QStringLiteral("Menueleiste"))) {
    for (QAction* entry : bar->actions()) {
      if (entry->menu() && entry->text().remove(QLatin1Char('&')) == QString::fromUtf8("Übungen"))
        exercises = entry->menu();
    }
  }
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
  AddToContextMenu(form, form.Controls().Text1);
  AddToContextMenu(form, form.Controls().Text2);
}

}  // namespace tesmoran
