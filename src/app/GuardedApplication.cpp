// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuardedApplication.h"

#include <QMessageBox>
#include <cstdio>
#include <new>

namespace tesmoran {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    std::fputs(kOutOfMemoryMessage, stderr);
    std::fputc('\n', stderr);
    // What failed has let go of its memory by now: a box fits again.
    QMessageBox::critical(activeWindow(), QStringLiteral("Tesmoran"), QString::fromUtf8(kOutOfMemoryMessage));
    return false;
  }
}

}  // namespace tesmoran
