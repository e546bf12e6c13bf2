// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Arbeitsblatt window: the solution text laid out as printed pages, with
// the settings beside the preview, saving as PDF and printing.  Not modal;
// one instance, made on its first showing.
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/Printer.h"
#include "platform/UiServices.h"
#include "printsheet/SheetDocument.h"
#include "printsheet/SheetLayout.h"
#include "syllables/Syllabifier.h"

class QDialog;
class QLabel;
class QPrinter;
class QSettings;
class QTimer;

namespace tesmoran {

class QtUiServices;
class SheetPreview;
class SheetSettingsPanel;

class ArbeitsblattWindow : public QWidget {
  Q_OBJECT
 public:
  // The preview follows a change after this pause, so that typing a title
  // draws once.
  static constexpr int kPreviewDelayMs = 40;

  // Shows the one window with these texts, making it on the first call.  A
  // null syllabifier switches the syllable marks off (with a note).
  static ArbeitsblattWindow& ShowFor(const Text& solution, const Text& original, const Syllabifier* syllabifier,
                                     QWidget* parent = nullptr);
  // The window, or null before its first showing.
  static ArbeitsblattWindow* Instance();

  // `store` keeps the settings between runs; null takes the program's own.
  explicit ArbeitsblattWindow(QWidget* parent = nullptr, QSettings* store = nullptr);
  ~ArbeitsblattWindow() override;

  void SetTexts(const Text& solution, const Text& original);
  void SetSyllabifier(const Syllabifier* syllabifier);

  SheetSettingsPanel& Panel() const { return *panel_; }
  SheetPreview& Preview() const { return *preview_; }
  // The pages as last laid out.
  const SheetDocument& Document() const { return doc_; }
  // Counts the times the preview was drawn.
  int PreviewRevision() const { return revision_; }

  // "Als PDF speichern…", "Drucken…", "Silben-Ausnahmen bearbeiten…".
  void SavePdf();
  void Print();
  void EditExceptions();

  // Seams for tests and for the program's other parts.
  void SetUiServices(UiServices* ui) { ui_ = ui; }
  void SetPrinters(PrinterProvider* printers) { printers_ = printers; }
  std::function<QString(QWidget*)> choosePdfFile;                 // empty: cancelled
  std::function<bool(QPrinter&, QWidget*)> runPrintDialog;        // false: cancelled
  std::function<bool(QDialog&)> runExceptionsDialog;              // true: saved
  std::function<void()> exceptionsChanged;                        // after the list was saved
  QString exceptionsPath;

 private:
  UiServices& Ui();
  void SettingsChanged();
  void UpdatePreview();

  SheetSettingsPanel* panel_ = nullptr;
  SheetPreview* preview_ = nullptr;
  QLabel* pageCount_ = nullptr;
  QTimer* delay_ = nullptr;
  QSettings* store_ = nullptr;
  std::unique_ptr<QtUiServices> qtUi_;
  std::unique_ptr<PrinterProvider> ownPrinters_;
  UiServices* ui_ = nullptr;
  PrinterProvider* printers_ = nullptr;
  const Syllabifier* syllabifier_ = nullptr;
  SheetInput input_;
  SheetDocument doc_;
  int revision_ = 0;
};

}  // namespace tesmoran
