#pragma once
// The file window: a drive list, a directory list and a file list to pick a
// text file, its path and a preview of its text; "Laden" puts the preview
// into the main window's original text.  While it is open the main window
// is hidden.
#include <QHash>
#include <QWidget>
#include <functional>

#include "files/FileLoading.h"
#include "platform/UiServices.h"
#include "state/Worksheet.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace tesmoran {

using Command = std::function<void(Worksheet&, UiServices&)>;

class Form3 : public QWidget {
  Q_OBJECT
 public:
  // What the file window needs of the main window.
  struct Host {
    QWidget* mainWindow = nullptr;           // hidden while this window is open
    std::function<void(const Command&)> run;  // runs a command on the main window's worksheet
  };

  explicit Form3(Host host, QWidget* parent = nullptr);

  // Hides the main window and shows this one (not modal).
  void Open();
  // The file last clicked in the file list.
  const FileSelection& Selection() const { return selection_; }

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
  void DriveChosen(int index);
  // The directory list and the file list show `path`.
  void ShowDirectory(const QString& path);
  void FileClicked(QListWidgetItem* item);
  void LoadClicked();
  void ReturnToMainWindow();
  // Runs LoadSelectedFile on the main window's worksheet and shows the result.
  void LoadIntoPreview(Worksheet& ws, UiServices& ui);

  Host host_;
  QComboBox* drives_ = nullptr;       // Laufwerk1
  QListWidget* directories_ = nullptr;  // Verzeichnis1
  QListWidget* files_ = nullptr;      // Datei1
  QLabel* path_ = nullptr;            // Bezeichnung1
  QPlainTextEdit* preview_ = nullptr;  // Text1
  QString directory_;                 // the directory list's path
  QHash<QString, QString> driveDirectory_;  // the directory last shown per drive
  bool placed_ = false;               // centred on the screen at the first showing
  FileSelection selection_;           // SelectedFile
  bool previewLoaded_ = false;        // a file has been loaded into the preview
  bool keyMove_ = false;              // a key was pressed in the file list
};

}  // namespace tesmoran
