// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/CopyOnlyDrag.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>

namespace tesmoran {
namespace {

// Takes over a drag that starts on the field's marked text.  The field's
// own drag would remove the text from the field whenever the receiver
// takes it as a move; this one never removes anything here.
class CopyingDrag : public QObject {
 public:
  explicit CopyingDrag(QPlainTextEdit& field) : QObject(&field), field_(field) {
    field.viewport()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonDblClick: lastDoubleClick_.start(); break;
      case QEvent::MouseButtonPress: return Pressed(*static_cast<QMouseEvent*>(event));
      case QEvent::MouseMove: return Moved(*static_cast<QMouseEvent*>(event));
      case QEvent::MouseButtonRelease: return Released(*static_cast<QMouseEvent*>(event));
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool OnMarkedText(const QPoint& at) const {
    const QTextCursor marked = field_.textCursor();
    if (!marked.hasSelection()) return false;
    const int position = field_.cursorForPosition(at).position();
    return position >= marked.selectionStart() && position <= marked.selectionEnd();
  }

  bool Pressed(const QMouseEvent& press) {
    pending_ = false;
    // A third click right after a double click marks the line, as usual.
    const bool tripleClick =
        lastDoubleClick_.isValid() && lastDoubleClick_.elapsed() < QApplication::doubleClickInterval();
    if (press.button() != Qt::LeftButton || press.modifiers() != Qt::NoModifier || tripleClick ||
        !OnMarkedText(press.position().toPoint())) {
      return false;
    }
    pending_ = true;
    pressedAt_ = press.position().toPoint();
    return true;
  }

  bool Moved(const QMouseEvent& move) {
    if (!pending_) return false;
    if (!(move.buttons() & Qt::LeftButton)) {
      pending_ = false;
      return false;
    }
    if ((move.position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return true;
    pending_ = false;
    auto* data = new QMimeData;
    data->setText(field_.textCursor().selection().toPlainText());
    auto* drag = new QDrag(field_.viewport());
    drag->setMimeData(data);
    // Dropped into this field the text moves (the field removes it from
    // its old place itself); anywhere else it is copied, whatever the
    // receiver answers.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    return true;
  }

  bool Released(const QMouseEvent& release) {
    if (!pending_) return false;
    pending_ = false;
    // A click on the marked text without a drag puts the caret there.
    field_.setTextCursor(field_.cursorForPosition(release.position().toPoint()));
    return true;
  }

  QPlainTextEdit& field_;
  bool pending_ = false;
  QPoint pressedAt_;
  QElapsedTimer lastDoubleClick_;
};

class RefuseFrom : public QObject {
 public:
  RefuseFrom(QObject* parent, const QWidget& source) : QObject(parent), source_(source) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      const auto* from = qobject_cast<const QWidget*>(drop->source());
      if (from && (from == &source_ || source_.isAncestorOf(from))) {
        drop->ignore();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QWidget& source_;
};

}  // namespace

void DragOutAsCopy(QPlainTextEdit& field) { new CopyingDrag(field); }

void RefuseTextFrom(QPlainTextEdit& field, const QWidget& source) {
  field.viewport()->installEventFilter(new RefuseFrom(&field, source));
}

}  // namespace tesmoran
