// SPDX-License-Identifier: GPL-3.0-or-later
// The help icon Bild4 and the about icon Bild3: each opens its window, not
// modal.  A window is made on its first showing, as a window of its own
// owned by the main window, and afterwards only shown again.
#include <QToolButton>

#include "ui/main/Form1.h"
#include "ui/help/Form2.h"
#include "ui/common/OneWindow.h"
#include "ui/help/TSMLABEL.h"
#include "ui/main/Wiring.h"

namespace tesmoran {

void WireHelpAndAbout(Form1& form) {
  const Form1Controls& c = form.Controls();
  QObject::connect(c.Bild4, &QToolButton::clicked, &form, [&form, help = OneWindow<Form2>()]() mutable {
    help.Get([&form] { return new Form2(&form); }).ShowHelp();
  });
  QObject::connect(c.Bild3, &QToolButton::clicked, &form, [&form, about = OneWindow<TSMLABEL>()]() mutable {
    about.Get([&form] { return new TSMLABEL(&form); }).ShowAbout();
  });
}

}  // namespace tesmoran
