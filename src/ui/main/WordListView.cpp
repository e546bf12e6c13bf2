// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WordListView.h"

#include <QCoreApplication>
#include <QItemSelection>
#include <QListWidget>
#include <QMouseEvent>
#include <QStringList>
#include <vector>

#include "platform/qt/QtText.h"
#include "worksheet/WordList.h"

namespace tesmoran {

void ReadWordListSelection(const QListWidget& view, WordList& list) {
  std::vector<bool> selected(list.Count(), false);
  for (const QModelIndex& index : view.selectionModel()->selectedIndexes()) {
    const auto row = static_cast<std::size_t>(index.row());
    if (row < selected.size()) selected[row] = true;
  }
  for (std::size_t i = 0; i < selected.size(); ++i) list.SetSelected(i, selected[i]);
}

void RedrawWordList(QListWidget& view, const WordList& list) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(list.Count()));
  for (const WordEntry& e : list.Entries()) texts.append(ToQString(e.text));

  view.setUpdatesEnabled(false);
  view.clear();
  view.addItems(texts);
  // Runs of selected entries become one range each.
  QItemSelection selection;
  const auto count = static_cast<int>(list.Count());
  for (int i = 0; i < count;) {
    if (!list.IsSelected(static_cast<std::size_t>(i))) {
      ++i;
      continue;
    }
    int last = i;
    while (last + 1 < count && list.IsSelected(static_cast<std::size_t>(last + 1))) ++last;
    selection.select(view.model()->index(i, 0), view.model()->index(last, 0));
    i = last + 1;
  }
  if (!selection.isEmpty()) view.selectionModel()->select(selection, QItemSelectionModel::Select);
  view.setUpdatesEnabled(true);
}

namespace {

// The list takes the second press of a double click for no press at all;
// this hands it on as the plain press it also is.
class DoubleClickAsTwoClicks : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return QObject::eventFilter(watched, event);
    auto* click = static_cast<QMouseEvent*>(event);
    QMouseEvent press(QEvent::MouseButtonPress, click->position(), click->scenePosition(), click->globalPosition(),
                      click->button(), click->buttons(), click->modifiers(), click->pointingDevice());
    QCoreApplication::sendEvent(watched, &press);
    return true;
  }
};

}  // namespace

void ToggleOnEveryClick(QListWidget& view) {
  view.viewport()->installEventFilter(new DoubleClickAsTwoClicks(&view));
}

}  // namespace tesmoran
