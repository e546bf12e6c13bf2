// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printsheet/ArbeitsblattWindow.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "files/AtomicFile.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtUiServices.h"
#include "printsheet/qt/SheetPainter.h"
#include "printsheet/qt/SheetPdf.h"
#include "ui/common/OneWindow.h"
#include "ui/common/ProgramSettings.h"
#include "ui/printsheet/SheetPreview.h"
#include "ui/printsheet/SheetSettingsPanel.h"
#include "ui/printsheet/SheetSettingsStore.h"
#include "ui/syllables/SyllableExceptionsEditor.h"

namespace tesmoran {
namespace {

OneWindow<ArbeitsblattWindow>& TheWindow() {
  static OneWindow<ArbeitsblattWindow> window;
  return window;
}

QPushButton* Button(const QString& caption, const char* name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QLatin1String(name));
  return button;
}

QString PageCountText(std::size_t pages) {
  return pages == 1 ? QStringLiteral("1 Seite") : QStringLiteral("%1 Seiten").arg(pages);
}

}  // namespace

ArbeitsblattWindow& ArbeitsblattWindow::ShowFor(const Text& solution, const Text& original,
                                                const Syllabifier* syllabifier, QWidget* parent) {
  ArbeitsblattWindow& window = TheWindow().Get([parent] { return new ArbeitsblattWindow(parent); });
  window.SetSyllabifier(syllabifier);
  window.SetTexts(solution, original);
  window.show();
  window.raise();
  window.activateWindow();
  return window;
}

ArbeitsblattWindow* ArbeitsblattWindow::Instance() { return TheWindow().Existing(); }

ArbeitsblattWindow::ArbeitsblattWindow(QWidget* parent, QSettings* store)
    : QWidget(parent, Qt::Window), store_(store ? store : &ProgramSettings()) {
  setObjectName(QStringLiteral("Arbeitsblatt"));
  setWindowTitle(QStringLiteral("Arbeitsblatt"));
  setWindowModality(Qt::NonModal);
  qtUi_ = std::make_unique<QtUiServices>(this);
  ownPrinters_ = std::make_unique<QtPrinterProvider>();
  printers_ = ownPrinters_.get();
  exceptionsPath = SyllableExceptionsPath();
  choosePdfFile = [](QWidget* p) {
    return QFileDialog::getSaveFileName(p, QStringLiteral("Arbeitsblatt als PDF speichern"), QString(),
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
  };
  runPrintDialog = [](QPrinter& printer, QWidget* p) {
    QPrintDialog dialog(&printer, p);
    dialog.setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    return dialog.exec() == QDialog::Accepted;
  };
  runExceptionsDialog = [](QDialog& dialog) { return dialog.exec() == QDialog::Accepted; };

  panel_ = new SheetSettingsPanel;
  auto* panelScroll = new QScrollArea;
  panelScroll->setWidget(panel_);
  panelScroll->setWidgetResizable(true);
  panelScroll->setMinimumWidth(panel_->sizeHint().width() + 24);
  preview_ = new SheetPreview;
  preview_->setMinimumWidth(560);

  auto* save = Button(QStringLiteral("Als PDF speichern…"), "pdfspeichern");
  auto* print = Button(QStringLiteral("Drucken…"), "drucken");
  auto* close = Button(QStringLiteral("Schließen"), "schliessen");
  pageCount_ = new QLabel;
  pageCount_->setObjectName(QStringLiteral("seitenzahl"));

  auto* top = new QHBoxLayout;
  top->addWidget(panelScroll);
  top->addWidget(preview_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(pageCount_);
  bottom->addStretch(1);
  bottom->addWidget(save);
  bottom->addWidget(print);
  bottom->addWidget(close);
  auto* column = new QVBoxLayout(this);
  column->addLayout(top, 1);
  column->addLayout(bottom);
  resize(1000, 760);

  delay_ = new QTimer(this);
  delay_->setSingleShot(true);
  delay_->setInterval(kPreviewDelayMs);
  connect(delay_, &QTimer::timeout, this, &ArbeitsblattWindow::UpdatePreview);
  connect(panel_, &SheetSettingsPanel::Changed, this, &ArbeitsblattWindow::SettingsChanged);
  connect(panel_, &SheetSettingsPanel::EditExceptionsRequested, this, &ArbeitsblattWindow::EditExceptions);
  connect(save, &QPushButton::clicked, this, &ArbeitsblattWindow::SavePdf);
  connect(print, &QPushButton::clicked, this, &ArbeitsblattWindow::Print);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  panel_->Show(LoadSheetSettings(*store_));
  panel_->SetSyllablesAvailable(false);
  UpdatePreview();
}

ArbeitsblattWindow::~ArbeitsblattWindow() = default;

UiServices& ArbeitsblattWindow::Ui() { return ui_ ? *ui_ : *qtUi_; }

void ArbeitsblattWindow::SetTexts(const Text& solution, const Text& original) {
  input_ = SheetInput{solution, original};
  UpdatePreview();
}

void ArbeitsblattWindow::SetSyllabifier(const Syllabifier* syllabifier) {
  syllabifier_ = syllabifier;
  panel_->SetSyllablesAvailable(syllabifier != nullptr);
  UpdatePreview();
}

void ArbeitsblattWindow::SettingsChanged() {
  SaveSheetSettings(*store_, panel_->Settings());
  delay_->start();
}

void ArbeitsblattWindow::UpdatePreview() {
  delay_->stop();
  const SheetSettings settings = panel_->Settings();
  doc_ = LayOutSheetWithFonts(input_, settings, syllabifier_);
  preview_->ShowDocument(doc_, Clamped(settings));
  pageCount_->setText(PageCountText(doc_.pages.size()));
  ++revision_;
}

void ArbeitsblattWindow::SavePdf() {
  if (delay_->isActive()) UpdatePreview();
  QString name = choosePdfFile(this);
  if (name.isEmpty()) return;
  if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
  Text reason;
  const QByteArray bytes = SheetPdfBytes(doc_, panel_->Settings(), reason);
  WriteResult result = WriteResult::Failed(reason);
  if (!bytes.isEmpty()) {
    result = WriteFileAtomically(QFile::encodeName(name).toStdString(),
                                 std::string_view(bytes.constData(), std::size_t(bytes.size())));
  }
  if (!result.ok) {
    Ui().MessageBox(U"Das Arbeitsblatt konnte nicht gespeichert werden." + Text(kCrLf) + result.reason, style::kOkStop,
                    U"Arbeitsblatt speichern");
  }
}

void ArbeitsblattWindow::Print() {
  if (delay_->isActive()) UpdatePreview();
  Text reason;
  if (!printers_->DefaultPrinter(reason)) {
    Ui().MessageBox(U"Es ist kein Drucker eingerichtet." + Text(kCrLf) + reason, style::kOkStop, U"Tesmoran drucken");
    return;
  }
  const SheetSettings settings = panel_->Settings();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(settings.paper == PaperSize::kLetter ? QPageSize::Letter : QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(QStringLiteral("Arbeitsblatt"));
  if (!runPrintDialog(printer, this)) return;
  if (!PaintSheet(printer, doc_, Clamped(settings), reason)) {
    Ui().MessageBox(U"Beim Drucken ist ein Fehler aufgetreten." + Text(kCrLf) + reason, style::kOkStop,
                    U"Tesmoran drucken");
  }
}

void ArbeitsblattWindow::EditExceptions() {
  SyllableExceptionsEditor editor(exceptionsPath, Ui(), this);
  if (!editor.Unreadable().empty()) {
    Ui().MessageBox(editor.Unreadable(), style::kOkExclamation, U"Silben-Ausnahmen");
    return;
  }
  if (runExceptionsDialog(editor) && exceptionsChanged) exceptionsChanged();
}

}  // namespace tesmoran
