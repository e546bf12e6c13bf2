// SPDX-License-Identifier: GPL-3.0-or-later
// The task list Liste1 with its icon Bild1, and the search-and-replace icon
// Bild10.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

#include "platform/qt/QtText.h"
#include "tasks/TaskCatalogue.h"
#include "ui/main/Form1.h"
#include "ui/main/Form1Resize.h"
#include "ui/main/ListKeys.h"
#include "ui/main/Wiring.h"
#include "worksheet/SearchReplace.h"

namespace tesmoran {
namespace {

// Puts the task sentences into the list and selects the first one.
void FillTaskList(QListWidget& list) {
  list.clear();
  for (const Text& sentence : TaskSentences()) list.addItem(ToQString(sentence));
  list.setCurrentRow(0);
}

// Whenever its icon shows it, the list covers the original text completely.
// A shown list takes the keyboard, so that Return and Escape reach it and
// not the original text it covers.
void ShowOrHideTaskList(QListWidget& list, const QWidget& originalText) {
  if (list.isVisible()) {
    list.hide();
    return;
  }
  list.setGeometry(TaskListOver(originalText.geometry()));
  list.show();
  list.raise();
  list.setFocus();
}

// A double-click appends the entry under the pointer to the solution text
// as a new line and hides the list.
void InsertDoubleClickedTask(Form1& form, QListWidget& list, QListWidgetItem* item) {
  const int row = list.row(item);
  if (row < 0 || static_cast<std::size_t>(row) >= TaskSentences().size()) return;
  list.setCurrentRow(row);
  const Text& sentence = TaskSentences()[static_cast<std::size_t>(row)];
  form.Run([&sentence](Worksheet& ws, UiServices&) { InsertTask(ws.Text2, sentence); });
  list.setFocus();
  list.hide();
}

}  // namespace

void WireTasksAndSearch(Form1& form) {
  const Form1Controls& c = form.Controls();
  QListWidget* list = c.Liste1;
  FillTaskList(*list);

  QObject::connect(c.Bild1, &QToolButton::clicked, list,
                   [list, field = c.Text1] { ShowOrHideTaskList(*list, *field); });
  QObject::connect(list, &QListWidget::itemDoubleClicked, &form,
                   [&form, list](QListWidgetItem* item) { InsertDoubleClickedTask(form, *list, item); });
  // Return inserts the highlighted sentence as a double click does; Escape
  // puts the list away and gives the keyboard back to the original text.
  OnReturnAndEscape(
      *list,
      [&form, list] {
        if (QListWidgetItem* item = list->currentItem()) InsertDoubleClickedTask(form, *list, item);
      },
      [list, &c] {
        list->hide();
        c.Text1->setFocus();
      });
  QObject::connect(c.Bild10, &QToolButton::clicked, &form, [&form] { form.Run(SearchAndReplace); });
}

}  // namespace tesmoran
