// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Übungsseite erstellen": the small window in which the teacher chooses the
// exercises, the level, the title and the aids of the practice page, and
// saves it or looks at it in the browser.  The page is made from the main
// window's original text, or from its marked part, as the buttons do.  The
// choices are kept between runs.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/UiServices.h"
#include "practice/PracticeExercises.h"
#include "practice/PracticeFiles.h"
#include "syllables/Syllabifier.h"
#include "worksheet/Worksheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSettings;
class QTemporaryDir;

namespace tesmoran {

class PracticeWindow : public QWidget {
  Q_OBJECT
 public:
  // What the page is made from, handed over by the main window.
  using MakeFunction = std::function<void(const Worksheet&, UiServices&, const Syllabifier*)>;
  struct Host {
    QWidget* owner = nullptr;
    // Runs `make` on the main window's worksheet once the syllable engine
    // with the user's exceptions is there (null when it is missing).
    std::function<void(MakeFunction make)> withText;
  };

  explicit PracticeWindow(Host host, QSettings* store = nullptr);
  ~PracticeWindow() override;

  // "Speichern…": the file to write, empty when cancelled.
  std::function<QString(QWidget*, const QString& suggestion)> chooseHtmlFile;
  // "Im Browser ansehen": opens the file in the system's browser; false when
  // there is none.
  std::function<bool(const QString& path)> openInBrowser;

  // The page's options as chosen now, without text and engine.
  PracticePageOptions ChosenOptions() const;
  LevelChoice ChosenLevel() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Whether a page can be made: an exercise chosen and a text there; a
  // message says what is missing.
  bool CanMake(const Worksheet& ws, UiServices& ui) const;
  void Save();
  void View();
  // Makes the page(s) into `target`; a message says what went wrong.
  bool WritePages(const Worksheet& ws, UiServices& ui, const Syllabifier* engine, LevelChoice level,
                  const std::filesystem::path& target);
  void Remember() const;
  void Recall();

  Host host_;
  QSettings* store_;
  std::vector<std::pair<const PracticeExercise*, QCheckBox*>> exercises_;
  QComboBox* level_ = nullptr;
  QLineEdit* title_ = nullptr;
  QCheckBox* syllables_ = nullptr;
  QCheckBox* solution_ = nullptr;
  QCheckBox* sound_ = nullptr;
  QLabel* status_ = nullptr;
  QString lastFolder_;
  std::unique_ptr<QTemporaryDir> viewFolder_;  // the pages looked at, removed with the window
};

}  // namespace tesmoran
