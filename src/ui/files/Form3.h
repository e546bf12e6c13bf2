// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file window: a drive list, a directory list and a file list to pick a
// text file, its path and a preview of its text; "Laden" puts the preview
// into the main window's original text.  While it is open the main window
// is hidden.  Each event of a control has one handler, named after the
// control and the event.
#include <QHash>
#include <QWidget>
#include <functional>

#include "files/FileLoading.h"
#include "ui/common/Command.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace tesmoran {

class Form3 : public QWidget {
  Q_OBJECT
 public:
  // What the file window needs of the main window.
  struct Host {
    QWidget* mainWindow = nullptr;            // hidden while this window is open
    std::function<void(const Command&)> run;  // runs a command on the main window's worksheet
  };

  explicit Form3(Host host, QWidget* parent = nullptr);

  // Hides the main window and shows this one (not modal).
  void Open();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Tells keyboard moves in the file list from mouse clicks.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void WireControls();
  void FillDrives();
  // The roots the drive list offers.
  QStringList Drives() const;
  // The drive list's choice changed.
  void Laufwerk1Change(int index);
  // A directory of the directory list was opened (double-click or Enter).
  void Verzeichnis1Activate(QListWidgetItem* item);
  // A file of the file list was clicked or reached with the keys.
  void Datei1Click(QListWidgetItem* item);
  // "Abbruch": back to the main window.
  void Befehl1Click();
  // "Laden": the file becomes the original text.
  void Befehl2Click();
  // The directory list and the file list show `path`.
  void ShowDirectory(const QByteArray& path);
  void ReturnToMainWindow();
  // Runs LoadSelectedFile on the main window's worksheet and shows the result.
  void LoadIntoPreview(Worksheet& ws, UiServices& ui);

  Host host_;
  QComboBox* drives_ = nullptr;                // Laufwerk1
  QListWidget* directories_ = nullptr;         // Verzeichnis1
  QListWidget* files_ = nullptr;               // Datei1
  QLabel* path_ = nullptr;                     // Bezeichnung1
  QPlainTextEdit* preview_ = nullptr;          // Text1
  QByteArray directory_;                       // the directory list's path, as the file system holds it
  QHash<QString, QByteArray> driveDirectory_;  // the directory last shown per drive
  bool placed_ = false;                        // centred on the screen at the first showing
  FileSelection selection_;                    // SelectedFile
  bool previewLoaded_ = false;                 // a file has been loaded into the preview
  bool keyMove_ = false;                       // a key was pressed in the file list
};

}  // namespace tesmoran
