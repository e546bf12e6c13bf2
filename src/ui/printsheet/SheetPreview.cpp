// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printsheet/SheetPreview.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "printsheet/qt/SheetPainter.h"

namespace tesmoran {

SheetPreview::SheetPreview(QWidget* parent) : QScrollArea(parent) {
  auto* inner = new QWidget;
  pages_ = new QVBoxLayout(inner);
  pages_->setSpacing(12);
  pages_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setWidget(inner);
  setWidgetResizable(true);
  setBackgroundRole(QPalette::Dark);
}

void SheetPreview::ShowDocument(const SheetDocument& doc, const SheetSettings& settings) {
  const int shown = std::min<int>(int(doc.pages.size()), kMaxShownPages);
  images_.clear();
  for (int i = 0; i < shown; ++i) images_.push_back(RenderSheetPage(doc, i, settings, kDotsPerInch));
  while (int(labels_.size()) < shown) {
    auto* label = new QLabel;
    label->setFrameShape(QFrame::Box);
    labels_.push_back(label);
    pages_->addWidget(label);
  }
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const bool visible = int(i) < shown;
    labels_[i]->setVisible(visible);
    if (visible) labels_[i]->setPixmap(QPixmap::fromImage(images_[i]));
  }
}

QImage SheetPreview::PageImage(int page) const {
  return page >= 0 && page < int(images_.size()) ? images_[std::size_t(page)] : QImage();
}

}  // namespace tesmoran
