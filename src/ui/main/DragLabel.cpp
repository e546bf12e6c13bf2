// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DragLabel.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace tesmoran {

QString ControlDragType() { return QStringLiteral("application/x-tesmoran-control"); }

QMimeData* ControlDragData(const QString& caption) {
  auto* data = new QMimeData;
  data->setData(ControlDragType(), caption.toUtf8());
  return data;
}

DragLabel::DragLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setCursor(Qt::OpenHandCursor);
}

void DragLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    pressedAt_ = event->position().toPoint();
  }
  QLabel::mousePressEvent(event);
}

void DragLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || (event->position().toPoint() - pressedAt_).manhattanLength() <
                       QApplication::startDragDistance()) {
    QLabel::mouseMoveEvent(event);
    return;
  }
  pressed_ = false;
  auto* drag = new QDrag(this);
  drag->setMimeData(ControlDragData(text()));
  drag->setPixmap(grab());
  drag->setHotSpot(pressedAt_);
  drag->exec(Qt::CopyAction);
}

void DragLabel::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
}

namespace {

class ControlDropFilter : public QObject {
 public:
  ControlDropFilter(QObject* parent, std::function<void(const QString&)> onDrop)
      : QObject(parent), onDrop_(std::move(onDrop)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasFormat(ControlDragType())) break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
          onDrop_(QString::fromUtf8(drop->mimeData()->data(ControlDragType())));
        }
        return true;
      }
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(const QString&)> onDrop_;
};

}  // namespace

void AcceptControlDrops(QPlainTextEdit& field, std::function<void(const QString&)> onDrop) {
  field.setAcceptDrops(true);
  // Drops reach a scroll area through its viewport.
  field.viewport()->installEventFilter(new ControlDropFilter(&field, std::move(onDrop)));
}

}  // namespace tesmoran
