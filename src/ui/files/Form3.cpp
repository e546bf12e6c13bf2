// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/Form3.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/QtText.h"
#include "ui/common/ControlFonts.h"
#include "ui/files/Form3Browse.h"
#include "ui/common/SmallWindowLook.h"
#include "ui/common/Units.h"
#include "ui/common/WindowPlacement.h"

namespace tesmoran {
namespace {

const QColor kPreviewGround(255, 255, 224);
constexpr int kInnerWidthUnits = 5535;
constexpr int kInnerHeightUnits = 6615;

void Place(QWidget* control, const char* name, int left, int top, int width, int height) {
  control->setObjectName(QString::fromLatin1(name));
  PlaceInUnits(*control, left, top, width, height);
  control->setFont(ControlFont());
}

}  // namespace

Form3::Form3(Host host, QWidget* parent) : QWidget(parent, Qt::Window), host_(std::move(host)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("TESMORAN: D a t e i e n"));
  setFixedSize(UnitsToPixels(kInnerWidthUnits), UnitsToPixels(kInnerHeightUnits));
  Colour(*this, Ground::kWindow, kLightCyanGround);
  BuildControls();
  FillDrives();
  ShowDirectory(QFile::encodeName(QDir::currentPath()));
  WireControls();
}

void Form3::BuildControls() {
  drives_ = new QComboBox(this);
  Place(drives_, "Laufwerk1", 120, 120, 2655, 315);
  directories_ = new QListWidget(this);
  Place(directories_, "Verzeichnis1", 120, 510, 2655, 2955);
  files_ = new QListWidget(this);
  Place(files_, "Datei1", 2880, 120, 2535, 3345);
  path_ = new QLabel(this);
  Place(path_, "Bezeichnung1", 120, 3600, 5295, 255);
  preview_ = new QPlainTextEdit(QStringLiteral("Text1"), this);
  Place(preview_, "Text1", 120, 3960, 5295, 1935);
  preview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Colour(*preview_, Ground::kWritingArea, kPreviewGround);
  auto* cancel = new QPushButton(QStringLiteral("Abbruch"), this);
  Place(cancel, "Befehl1", 1440, 6120, 1335, 375);
  auto* load = new QPushButton(QStringLiteral("Laden"), this);
  Place(load, "Befehl2", 2880, 6120, 1335, 375);

  path_->setFocusPolicy(Qt::NoFocus);
  setTabOrder(drives_, directories_);
  setTabOrder(directories_, files_);
  setTabOrder(files_, cancel);
  setTabOrder(cancel, load);
  setTabOrder(load, preview_);

  connect(cancel, &QPushButton::clicked, this, &Form3::Befehl1Click);
  connect(load, &QPushButton::clicked, this, &Form3::Befehl2Click);
}

void Form3::WireControls() {
  connect(drives_, &QComboBox::activated, this, &Form3::Laufwerk1Change);
  connect(directories_, &QListWidget::itemActivated, this, &Form3::Verzeichnis1Activate);
  // A click on a file, or moving to it with the keys, chooses it.
  connect(files_, &QListWidget::itemClicked, this, &Form3::Datei1Click);
  connect(files_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!keyMove_ || row < 0) return;
    keyMove_ = false;
    Datei1Click(files_->item(row));
  });
  files_->installEventFilter(this);
  files_->viewport()->installEventFilter(this);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == files_ && event->type() == QEvent::KeyPress) keyMove_ = true;
  if (watched == files_->viewport() && event->type() == QEvent::MouseButtonPress) keyMove_ = false;
  return QWidget::eventFilter(watched, event);
}

void Form3::FillDrives() {
  drives_->clear();
  for (const QString& root : DriveRoots()) drives_->addItem(root, root);
}

QStringList Form3::Drives() const {
  QStringList roots;
  for (int i = 0; i < drives_->count(); ++i) roots << drives_->itemData(i).toString();
  return roots;
}

void Form3::Laufwerk1Change(int index) {
  const QString root = drives_->itemData(index).toString();
  if (IsDriveReady(root)) {
    // That drive's current directory, while it still exists.
    const QByteArray last = driveDirectory_.value(root, QFile::encodeName(root));
    std::error_code error;
    ShowDirectory(std::filesystem::is_directory(last.toStdString(), error) ? last : QFile::encodeName(root));
    return;
  }
  // Back to the drive of the directory list's path, then the message.
  ShowDirectory(directory_);
  host_.run([](Worksheet&, UiServices& ui) {
    ui.MessageBox(U"Laufwerk ist nicht bereit!\r", style::kOkExclamation, U"Laufwerkfehler");
  });
}

void Form3::ShowDirectory(const QByteArray& path) {
  directory_ = CleanDirectory(path);
  const QString root = DriveOf(ShownPath(directory_), Drives());
  driveDirectory_[root] = directory_;
  const int drive = drives_->findData(root);
  if (drive >= 0) drives_->setCurrentIndex(drive);

  directories_->clear();
  for (const DirectoryLine& line : DirectoryLines(directory_)) {
    auto* item = new QListWidgetItem(QString(line.depth * 2, ' ') + line.caption, directories_);
    item->setData(Qt::UserRole, line.path);
    item->setIcon(style()->standardIcon(line.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    if (line.path == directory_) directories_->setCurrentItem(item);
  }
  keyMove_ = false;
  files_->clear();
  for (const FileEntry& entry : MatchingFiles(directory_)) {
    auto* item = new QListWidgetItem(entry.shown, files_);
    item->setData(Qt::UserRole, entry.bytes);
  }
}

void Form3::Verzeichnis1Activate(QListWidgetItem* item) { ShowDirectory(item->data(Qt::UserRole).toByteArray()); }

void Form3::Datei1Click(QListWidgetItem* item) {
  selection_ = SelectFile(FromQString(ShownPath(directory_)), FromQString(item->text()));
  // The file is opened by its path's bytes, which need not be readable.
  selection_.path =
      std::filesystem::path(directory_.toStdString()) / item->data(Qt::UserRole).toByteArray().toStdString();
  path_->setText(ToQString(selection_.SelectedFile));
  path_->setToolTip(path_->text());
  host_.run([this](Worksheet& ws, UiServices& ui) { LoadIntoPreview(ws, ui); });
}

void Form3::LoadIntoPreview(Worksheet&, UiServices& ui) {
  Text preview;
  if (!LoadSelectedFile(selection_, preview, ui)) return;
  preview_->setPlainText(ToField(preview));
  previewLoaded_ = true;
}

void Form3::Befehl1Click() { ReturnToMainWindow(); }

void Form3::Befehl2Click() {
  bool chosen = false;
  host_.run([this, &chosen](Worksheet& ws, UiServices& ui) {
    chosen = CheckFileChosen(selection_, ui);
    if (!chosen) return;
    LoadIntoPreview(ws, ui);
    // Whatever the load did, the preview's text becomes the original text:
    // after a failed or declined load that is the file loaded before.  As
    // long as no file has ever been loaded, the preview holds only its
    // placeholder, and the user's original text stays as it is.
    if (previewLoaded_) ws.Text1.Set(FromField(preview_->toPlainText()));
  });
  if (chosen) ReturnToMainWindow();
}

void Form3::Open() {
  if (host_.mainWindow) host_.mainWindow->hide();
  if (!placed_) {
    placed_ = true;
    PlaceInMiddleOfScreen(*this);
  }
  show();
  raise();
  activateWindow();
}

void Form3::ReturnToMainWindow() {
  hide();
  if (host_.mainWindow) host_.mainWindow->show();
}

void Form3::closeEvent(QCloseEvent* event) {
  // The window system's close button: the main window must not stay hidden.
  const bool wasOpen = isVisible();
  event->accept();
  if (wasOpen && host_.mainWindow) host_.mainWindow->show();
}

}  // namespace tesmoran
