// SPDX-License-Identifier: GPL-3.0-or-later
// "Übungsseite erstellen…" (Ctrl+U in the file menu): the practice page's
// window, made on its first showing and afterwards only shown again.  The
// page is made on the main window's worksheet once the syllable engine is
// there, with the user's exceptions.
#include <QAction>

#include "ui/common/OneWindow.h"
#include "ui/main/Form1.h"
#include "ui/main/Wiring.h"
#include "ui/practice/PracticeWindow.h"
#include "ui/syllables/SyllableEngineLoader.h"

namespace tesmoran {

void WirePractice(Form1& form, QAction* open) {
  PracticeWindow::Host host;
  host.owner = &form;
  host.withText = [&form](PracticeWindow::MakeFunction make) {
    SyllableEngineLoader::Of(form).WhenReady(&form, [&form, make](const SyllableEngineLoader& loader) {
      form.Run([&loader, &make](Worksheet& ws, UiServices& ui) {
        const std::shared_ptr<const Syllabifier> engine = UserSyllabifier(loader, ui);
        make(ws, ui, engine.get());
      });
    });
  };
  QObject::connect(open, &QAction::triggered, &form, [host, window = OneWindow<PracticeWindow>()]() mutable {
    PracticeWindow& shown = window.Get([&host] { return new PracticeWindow(host); });
    shown.show();
    shown.raise();
    shown.activateWindow();
  });
}

}  // namespace tesmoran
