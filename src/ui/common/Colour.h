// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colouring a control: the paper behind its text and the ink of its text.
#include <QColor>
#include <optional>

class QWidget;

namespace tesmoran {

// Which ground of a control the paper covers.
enum class Ground {
  kWindow,       // the control itself (windows, labels, frames); it is filled with the paper
  kWritingArea,  // the area where a text field or a list shows its text
};

// Covers the control's ground with paper; with an ink, its text on that
// ground is drawn in it, otherwise the text keeps the colour it had.
void Colour(QWidget& control, Ground ground, const QColor& paper, std::optional<QColor> ink = std::nullopt);

}  // namespace tesmoran
