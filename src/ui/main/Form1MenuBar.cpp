// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Form1MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "platform/qt/QtText.h"
#include "ui/common/IconButton.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

namespace {

// An entry that clicks `control`, with the control's picture when it has one.
QAction* Entry(QMenu& menu, const QString& text, QAbstractButton* control, const QKeySequence& keys = {}) {
  QAction* action = menu.addAction(text);
  action->setShortcut(keys);
  action->setIcon(control->icon());
  QObject::connect(action, &QAction::triggered, control, &QAbstractButton::click);
  return action;
}

// The exercise buttons in the order of the grid's columns: the buttons of
// one column belong together (capitals, reversals, letters, words, gaps).
void AddExercises(QMenu& menu, const Form1Controls& controls) {
  std::vector<ExerciseButton> buttons = controls.exercises;
  std::sort(buttons.begin(), buttons.end(), [](const ExerciseButton& a, const ExerciseButton& b) {
    const QPoint pa = a.button->pos(), pb = b.button->pos();
    return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
  });
  int column = buttons.empty() ? 0 : buttons.front().button->x();
  for (const ExerciseButton& b : buttons) {
    if (b.button->x() != column) {
      menu.addSeparator();
      column = b.button->x();
    }
    Entry(menu, ToQString(b.exercise->caption), b.button);
  }
}

}  // namespace

Form1MenuBar BuildForm1MenuBar(QWidget& form, const Form1Controls& c, std::function<void()> designSheet) {
  Form1MenuBar menus;
  menus.bar = new QMenuBar(&form);
  menus.bar->setObjectName(QStringLiteral("Menueleiste"));

  QMenu* file = menus.bar->addMenu(QStringLiteral("&Datei"));
  Entry(*file, QStringLiteral("Text laden…"), c.Bild5);
  Entry(*file, QStringLiteral("Lösungstext speichern…"), c.Bild6);
  Entry(*file, QStringLiteral("Lösungstext drucken"), c.Bild9);
  menus.designSheet = file->addAction(QStringLiteral("Arbeitsblatt gestalten…"));
  menus.designSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QObject::connect(menus.designSheet, &QAction::triggered, &form, std::move(designSheet));
  menus.practicePage = file->addAction(QStringLiteral("Übungsseite erstellen…"));
  menus.practicePage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  menus.saveAudio = file->addAction(QStringLiteral("Als Audiodatei speichern…"));
  file->addSeparator();
  Entry(*file, QStringLiteral("Beenden"), c.Bild2, QKeySequence(Qt::CTRL | Qt::Key_Q));

  menus.exercises = menus.bar->addMenu(QStringLiteral("&Übungen"));
  AddExercises(*menus.exercises, c);
  menus.readAloud = menus.bar->addMenu(QStringLiteral("&Vorlesen"));

  QMenu* help = menus.bar->addMenu(QStringLiteral("&Hilfe"));
  Entry(*help, QStringLiteral("Hilfe"), c.Bild4, QKeySequence(Qt::Key_F1));
  Entry(*help, QStringLiteral("Info"), c.Bild3);
  return menus;
}

}  // namespace tesmoran
