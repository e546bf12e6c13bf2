// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zoom of the two text fields and the word list: Ctrl+Plus, Ctrl+Minus,
// Ctrl+0 and Ctrl with the mouse wheel over one of them.  The size is given
// as the point size of the text fields (12 at the start, 10 to 48); the word
// list keeps its proportion to them.  The size is remembered for the next
// start.  Only the look on screen changes: texts, printing and saving stay
// as they are.
#include <QFont>
#include <QObject>
#include <vector>

class QWidget;

namespace tesmoran {

inline constexpr int kZoomSmallest = 10;
inline constexpr int kZoomLargest = 48;
inline constexpr int kZoomStep = 2;

class TextZoom : public QObject {
 public:
  // Zooms `zoomed` (the text fields and the word list, each with the font it
  // has now as its font at the default size); the keys work anywhere in
  // `window`.  Starts at the remembered size.
  TextZoom(QWidget& window, std::vector<QWidget*> zoomed);

  // Sets the size, kept within 10 and 48, and remembers it.
  void SetPointSize(int points);
  void ZoomIn() { SetPointSize(pointSize_ + kZoomStep); }
  void ZoomOut() { SetPointSize(pointSize_ - kZoomStep); }
  void Reset();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Zoomed {
    QWidget* widget;
    QFont home;  // its font at the default size
  };
  void Show();

  std::vector<Zoomed> zoomed_;
  int homeSize_;
  int pointSize_;
  int wheelRest_ = 0;  // wheel turns not yet used up, in eighths of a degree
};

}  // namespace tesmoran
