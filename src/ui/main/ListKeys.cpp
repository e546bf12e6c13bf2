// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ListKeys.h"

#include <QKeyEvent>
#include <QListWidget>

namespace tesmoran {
namespace {

class ReturnAndEscape : public QObject {
 public:
  ReturnAndEscape(QObject* parent, std::function<void()> onReturn, std::function<void()> onEscape)
      : QObject(parent), onReturn_(std::move(onReturn)), onEscape_(std::move(onEscape)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
      return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool isEscape = key->key() == Qt::Key_Escape;
    if (!isReturn && !isEscape) return QObject::eventFilter(watched, event);
    // A shortcut of the window must not take the key away from the list.
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    if (!key->isAutoRepeat()) (isReturn ? onReturn_ : onEscape_)();
    return true;
  }

 private:
  std::function<void()> onReturn_, onEscape_;
};

}  // namespace

void OnReturnAndEscape(QListWidget& list, std::function<void()> onReturn, std::function<void()> onEscape) {
  list.installEventFilter(new ReturnAndEscape(&list, std::move(onReturn), std::move(onEscape)));
}

}  // namespace tesmoran
