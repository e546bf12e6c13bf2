// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ControlFonts.h"

#include <QStringList>

namespace tesmoran {

QFont TextFieldFont() {
  QFont font(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                         QStringLiteral("DejaVu Sans Mono")},
             12);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont ControlFont(bool bold) {
  QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("DejaVu Sans")},
             8, bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace tesmoran
