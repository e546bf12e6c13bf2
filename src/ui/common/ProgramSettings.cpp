// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ProgramSettings.h"

namespace tesmoran {

QSettings& ProgramSettings() {
  static QSettings store;
  return store;
}

}  // namespace tesmoran
