#pragma once
// The main window (placeholder until the full window lands).
#include <QWidget>

namespace tesmoran {

class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
};

}  // namespace tesmoran
