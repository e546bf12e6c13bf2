// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the printed sheet shown one below the other, as they will be
// printed.
#include <QScrollArea>
#include <vector>

#include "printsheet/SheetDocument.h"

class QLabel;
class QVBoxLayout;

namespace tesmoran {

class SheetPreview : public QScrollArea {
  Q_OBJECT
 public:
  // Pages beyond this many are counted but not drawn.
  static constexpr int kMaxShownPages = 20;
  static constexpr int kDotsPerInch = 60;

  explicit SheetPreview(QWidget* parent = nullptr);

  void ShowDocument(const SheetDocument& doc, const SheetSettings& settings);
  // The picture of page `page` as shown; null when it is not shown.
  QImage PageImage(int page) const;

 private:
  QVBoxLayout* pages_ = nullptr;
  std::vector<QLabel*> labels_;
  std::vector<QImage> images_;
};

}  // namespace tesmoran
