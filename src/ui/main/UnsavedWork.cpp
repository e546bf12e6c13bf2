// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/UnsavedWork.h"

#include <QListWidget>
#include <QPlainTextEdit>

#include "ui/main/Form1Controls.h"

namespace tesmoran {

bool SomethingToLose(const Form1Controls& c) {
  return !c.Text1->document()->isEmpty() || !c.Text2->document()->isEmpty() || c.Liste2->count() > 0;
}

}  // namespace tesmoran
