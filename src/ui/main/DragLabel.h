// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that the user can drag with the mouse onto a text field, and the
// receiving side: a text field that learns which control was dropped on it.
#include <QLabel>
#include <QPoint>
#include <functional>

class QMimeData;
class QPlainTextEdit;

namespace tesmoran {

// The data a dragged control carries: its caption, under a type of its own
// so that no other program or field takes it for text to insert.
QString ControlDragType();
QMimeData* ControlDragData(const QString& caption);

class DragLabel : public QLabel {
  Q_OBJECT
 public:
  explicit DragLabel(const QString& caption, QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint pressedAt_;
  bool pressed_ = false;
};

// Lets the field accept dragged controls; onDrop gets the dropped control's
// caption.  Ordinary text drops stay with the field.
void AcceptControlDrops(QPlainTextEdit& field, std::function<void(const QString&)> onDrop);

}  // namespace tesmoran
