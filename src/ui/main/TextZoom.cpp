// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/TextZoom.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "ui/common/ProgramSettings.h"

namespace tesmoran {

namespace {

const QString kZoomKey = QStringLiteral("Ansicht/Schriftgroesse");
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

void AddKeys(QWidget& window, const QList<QKeySequence>& keys, std::function<void()> action) {
  auto* shortcut = new QAction(&window);
  shortcut->setShortcuts(keys);
  shortcut->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QAction::triggered, &window, std::move(action));
  window.addAction(shortcut);
}

}  // namespace

TextZoom::TextZoom(QWidget& window, std::vector<QWidget*> zoomed) : QObject(&window) {
  homeSize_ = zoomed.empty() ? 12 : zoomed.front()->font().pointSize();
  for (QWidget* widget : zoomed) {
    zoomed_.push_back({widget, widget->font()});
    // A scroll area gets the wheel on its viewport.
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    (area ? area->viewport() : widget)->installEventFilter(this);
  }
  AddKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [this] { ZoomIn(); });
  AddKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { ZoomOut(); });
  AddKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { Reset(); });
  pointSize_ = std::clamp(ProgramSettings().value(kZoomKey, homeSize_).toInt(), kZoomSmallest, kZoomLargest);
  Show();
}

void TextZoom::SetPointSize(int points) {
  const int size = std::clamp(points, kZoomSmallest, kZoomLargest);
  if (size == pointSize_) return;
  pointSize_ = size;
  ProgramSettings().setValue(kZoomKey, pointSize_);
  Show();
}

void TextZoom::Reset() { SetPointSize(homeSize_); }

void TextZoom::Show() {
  const qreal factor = qreal(pointSize_) / homeSize_;
  for (const Zoomed& z : zoomed_) {
    QFont font = z.home;
    font.setPointSizeF(z.home.pointSizeF() * factor);
    z.widget->setFont(font);
  }
}

bool TextZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  // Fine-grained wheels and touchpads add up to whole notches.
  wheelRest_ += wheel->angleDelta().y();
  while (wheelRest_ >= kWheelNotch) {
    wheelRest_ -= kWheelNotch;
    ZoomIn();
  }
  while (wheelRest_ <= -kWheelNotch) {
    wheelRest_ += kWheelNotch;
    ZoomOut();
  }
  return true;
}

}  // namespace tesmoran
