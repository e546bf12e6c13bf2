// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/ProgramSettings.h"
#include "ui/common/Units.h"

namespace tesmoran {

namespace {

const QString kPlaceKey = QStringLiteral("Hauptfenster/Lage");
const QString kFilledKey = QStringLiteral("Hauptfenster/Bildschirmfuellend");

// The frame and caption bar of the window system around the inner place.
QMargins WindowFrame() {
  const int side = kFrameWidthPixels / 2;
  return {side, kFrameHeightPixels - side, side, side};
}

// Before its first showing a window has no frame yet; the usual frame of the
// window system stands in for it.
QSize OuterSize(const QWidget& window) {
  return {window.width() + kFrameWidthPixels, window.height() + kFrameHeightPixels};
}

// Moves `span` (start, length) into [low, low + room): as far as needed, and
// to `low` when it does not fit.
int Inside(int start, int length, int low, int room) { return std::max(low, std::min(start, low + room - length)); }

// Remembers the place of the window it watches when that window closes.
class RememberOnClose : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) RememberWindowPlace(*static_cast<QWidget*>(watched));
    return false;
  }
};

}  // namespace

QRect PlaceOnScreens(const QRect& saved, QSize minimum, const QList<QRect>& screens, const QMargins& frame) {
  if (screens.isEmpty()) return saved.isValid() ? saved : QRect(QPoint(0, 0), minimum);
  // The screen that shows most of the remembered window.
  const QRect* home = nullptr;
  qint64 shown = 0;
  if (saved.isValid()) {
    for (const QRect& screen : screens) {
      const QRect common = screen.intersected(saved.marginsAdded(frame));
      const qint64 area = qint64(common.width()) * common.height();
      if (common.isValid() && area > shown) {
        shown = area;
        home = &screen;
      }
    }
  }
  if (!home) {
    const QRect& main = screens.front();
    const QSize outer = minimum.grownBy(frame);
    return {main.x() + (main.width() - outer.width()) / 2 + frame.left(),
            main.y() + (main.height() - outer.height()) / 2 + frame.top(), minimum.width(), minimum.height()};
  }
  // Not larger than the screen, not smaller than the minimum.
  const QRect room = home->marginsRemoved(frame);
  const QSize size = saved.size().boundedTo(room.size()).expandedTo(minimum);
  return {Inside(saved.x(), size.width(), room.x(), room.width()),
          Inside(saved.y(), size.height(), room.y(), room.height()), size.width(), size.height()};
}

void RestoreWindowPlace(QWidget& window) {
  QList<QRect> screens;
  if (const QScreen* main = QGuiApplication::primaryScreen()) screens << main->availableGeometry();
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
  }
  const QSettings& settings = ProgramSettings();
  const QRect saved = settings.value(kPlaceKey).toRect();
  window.setGeometry(PlaceOnScreens(saved, window.minimumSize(), screens, WindowFrame()));
  if (saved.isValid() && settings.value(kFilledKey, false).toBool()) {
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
  }
}

void RememberWindowPlace(const QWidget& window) {
  QSettings& settings = ProgramSettings();
  const bool filled = window.isMaximized() || window.isFullScreen();
  const QRect normal = window.normalGeometry();
  settings.setValue(kPlaceKey, filled && normal.isValid() ? normal : window.geometry());
  settings.setValue(kFilledKey, filled);
}

void KeepWindowPlace(QWidget& window) {
  RestoreWindowPlace(window);
  window.installEventFilter(new RememberOnClose(&window));
}

QPoint PlaceOverMain(const QRect& main, QSize outer, const QRect& screen) {
  int left = main.x() + (main.width() - outer.width()) / 2;
  int top = main.y() + (main.height() - outer.height()) / 4;
  // The right and bottom edges first, so that a window larger than the
  // screen keeps its caption bar reachable at the top left.
  left = std::max(std::min(left, screen.right() + 1 - outer.width()), screen.left());
  top = std::max(std::min(top, screen.bottom() + 1 - outer.height()), screen.top());
  return {left, top};
}

void PlaceOverMainWindow(QWidget& window, const QWidget& main) {
  const QScreen* screen = main.screen();
  if (!screen) return;
  window.move(PlaceOverMain(main.frameGeometry(), OuterSize(window), screen->availableGeometry()));
}

void PlaceHighOnMainScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize outer = OuterSize(window);
  window.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 4);
}

void PlaceInMiddleOfScreen(QWidget& window) {
  if (const QScreen* where = window.screen()) window.move(where->availableGeometry().center() - window.rect().center());
}

}  // namespace tesmoran
