// SPDX-License-Identifier: GPL-3.0-or-later
// The file icons: Bild5 opens the file window, Bild6 saves and Bild9 prints
// the solution text; "Arbeitsblatt gestalten…" (Ctrl+P) opens the worksheet
// window.  The file window is made on its first showing and afterwards only
// shown again.
#include <QToolButton>

#include "files/Printing.h"
#include "files/SolutionFile.h"
#include "platform/qt/QtPrinter.h"
#include "ui/printsheet/ArbeitsblattWindow.h"
#include "ui/main/Form1.h"
#include "ui/files/Form3.h"
#include "ui/common/OneWindow.h"
#include "ui/syllables/SyllableEngineLoader.h"
#include "ui/main/Wiring.h"

namespace tesmoran {
namespace {

QtPrinterProvider& Printers() {
  static QtPrinterProvider printers;
  return printers;
}

// The file window, hiding `form` while it is open.
Form3* NewFileWindow(Form1& form) {
  Form3::Host host{&form, [&form](const Command& command) { form.Run(command); }};
  return new Form3(std::move(host), &form);
}

// The Arbeitsblatt window keeps a pointer to its engine: the new one is held
// here before the one it had is let go.
void KeepEngine(std::shared_ptr<const Syllabifier> engine) {
  static std::shared_ptr<const Syllabifier> kept;
  kept = std::move(engine);
}

}  // namespace

void WireFiles(Form1& form) {
  const Form1Controls& c = form.Controls();
  QObject::connect(c.Bild5, &QToolButton::clicked, &form, [&form, files = OneWindow<Form3>()]() mutable {
    files.Get([&form] { return NewFileWindow(form); }).Open();
  });
  QObject::connect(c.Bild6, &QToolButton::clicked, &form, [&form] {
    form.Run([](Worksheet& ws, UiServices& ui) { SaveSolutionText(ws.Text2, ui, Printers()); });
  });
  QObject::connect(c.Bild9, &QToolButton::clicked, &form, [&form] {
    form.Run([](Worksheet& ws, UiServices& ui) { PrintSolutionText(ws.Text2, ui, Printers()); });
  });
  // "Arbeitsblatt gestalten…" (Ctrl+P): the Arbeitsblatt window on the solution
  // text, the original text for its answer key.  It opens once the syllable
  // engine is there, so that the preview shows the marks from the start.
  form.SetSheetDesigner([&form] {
    SyllableEngineLoader::Of(form).WhenReady(&form, [&form](const SyllableEngineLoader& loader) {
      form.Run([&form, &loader](Worksheet& ws, UiServices& ui) {
        std::shared_ptr<const Syllabifier> fresh = UserSyllabifier(loader, ui);
        ArbeitsblattWindow& window = ArbeitsblattWindow::ShowFor(ws.Text2, ws.Text1.text, fresh.get(), &form);
        KeepEngine(std::move(fresh));
        // An edited exception list holds in the preview at once.
        window.exceptionsChanged = [&form, &loader, &window] {
          form.Run([&loader, &window](Worksheet&, UiServices& ui) {
            std::shared_ptr<const Syllabifier> edited = UserSyllabifier(loader, ui);
            window.SetSyllabifier(edited.get());
            KeepEngine(std::move(edited));
          });
        };
      });
    });
  });
}

}  // namespace tesmoran
