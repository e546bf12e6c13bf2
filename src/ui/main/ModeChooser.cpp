// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ModeChooser.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "ui/main/ListKeys.h"

namespace tesmoran {
namespace {

// Puts the list away when the mouse is pressed anywhere but on the list, or
// when the keyboard focus leaves it.
class AwayHides : public QObject {
 public:
  explicit AwayHides(QListWidget& list) : QObject(&list), list_(list) {
    list.installEventFilter(this);
    qApp->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!list_.isVisible()) return false;
    if (event->type() == QEvent::FocusOut && watched == &list_ &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      list_.hide();
    } else if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget != &list_ && !list_.isAncestorOf(widget)) list_.hide();
    }
    return false;
  }

 private:
  QListWidget& list_;
};

}  // namespace

void WatchModeChoice(QListWidget& list, std::function<void(int)> choose) {
  // A click is a press and a release on the same entry.
  QObject::connect(&list, &QListWidget::itemClicked, &list,
                   [&list, choose](QListWidgetItem* item) { choose(list.row(item)); });
  OnReturnAndEscape(
      list,
      [&list, choose] {
        if (list.currentRow() >= 0) choose(list.currentRow());
      },
      [&list] { list.hide(); });
  new AwayHides(list);
}

}  // namespace tesmoran
