// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/PracticeWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>
#include <thread>

#include "platform/qt/QtText.h"
#include "ui/common/ProgramSettings.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {
namespace {

constexpr const char32_t* kTitle = U"Übungsseite";
constexpr int kExerciseColumns = 3;

// The remembered choices, one key each.
const QString kKeyExercises = QStringLiteral("Uebungsseite/Uebungen");
const QString kKeyLevel = QStringLiteral("Uebungsseite/Stufe");
const QString kKeyTitle = QStringLiteral("Uebungsseite/Titel");
const QString kKeySyllables = QStringLiteral("Uebungsseite/Silben");
const QString kKeySolution = QStringLiteral("Uebungsseite/Loesung");
const QString kKeySound = QStringLiteral("Uebungsseite/Ton");
const QString kKeyFolder = QStringLiteral("Uebungsseite/Ordner");

QPushButton* Button(const QString& caption, const char* name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QString FileName(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

PracticeWindow::PracticeWindow(Host host, QSettings* store)
    : QWidget(host.owner, Qt::Window), host_(std::move(host)), store_(store ? store : &ProgramSettings()) {
  setObjectName(QStringLiteral("Uebungsseite"));
  setWindowTitle(QStringLiteral("Übungsseite erstellen"));
  chooseHtmlFile = [](QWidget* parent, const QString& suggestion) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Übungsseite speichern"), suggestion,
                                        QStringLiteral("Webseiten (*.html)"));
  };
  openInBrowser = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

  auto* chosen = new QGroupBox(QStringLiteral("Übungen"));
  auto* grid = new QGridLayout(chosen);
  int k = 0;
  for (const PracticeExercise& practice : PracticeExercises()) {
    auto* box = new QCheckBox(ToQString(ButtonExercise(practice).caption));
    box->setObjectName(QString::fromLatin1(practice.button));
    grid->addWidget(box, k / kExerciseColumns, k % kExerciseColumns);
    exercises_.emplace_back(&practice, box);
    ++k;
  }

  level_ = new QComboBox;
  level_->setObjectName(QStringLiteral("stufe"));
  level_->addItem(QStringLiteral("★ leicht (Wörterkasten, Silbenfarben, Tipps)"));
  level_->addItem(QStringLiteral("★★ mittel (Tipps)"));
  level_->addItem(QStringLiteral("★★★ schwer (ohne Hilfen)"));
  level_->addItem(QStringLiteral("alle drei Stufen (je eine Datei)"));
  title_ = new QLineEdit;
  title_->setObjectName(QStringLiteral("titel"));
  title_->setPlaceholderText(ToQString(kTitle));
  syllables_ = new QCheckBox(QStringLiteral("Lesesilben auf jeder Stufe farbig"));
  syllables_->setObjectName(QStringLiteral("silben"));
  solution_ = new QCheckBox(QStringLiteral("„Lösung zeigen“ erlauben"));
  solution_->setObjectName(QStringLiteral("loesung"));
  sound_ = new QCheckBox(QStringLiteral("Sätze als Ton mitgeben (Vorlesen auch ohne Sprachausgabe des Browsers)"));
  sound_->setObjectName(QStringLiteral("ton"));
  sound_->setToolTip(
      QStringLiteral("Die Seite wird größer (etwa 250 KB je Seite Text), und das Erstellen dauert "
                     "einige Sekunden."));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Stufe:"), level_);
  form->addRow(QStringLiteral("Titel:"), title_);
  form->addRow(QString(), syllables_);
  form->addRow(QString(), solution_);
  form->addRow(QString(), sound_);

  auto* hint = new QLabel(QStringLiteral("Die Seite entsteht aus dem Originaltext, oder aus seinem markierten Teil."));
  hint->setWordWrap(true);
  auto* view = Button(QStringLiteral("Im Browser ansehen"), "ansehen");
  auto* save = Button(QStringLiteral("Speichern…"), "speichern");
  auto* close = Button(QStringLiteral("Schließen"), "schliessen");
  save->setDefault(true);
  connect(view, &QPushButton::clicked, this, &PracticeWindow::View);
  connect(save, &QPushButton::clicked, this, &PracticeWindow::Save);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(view);
  buttons->addWidget(save);
  buttons->addWidget(close);

  auto* column = new QVBoxLayout(this);
  column->addWidget(chosen);
  column->addLayout(form);
  column->addWidget(hint);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("meldung"));
  column->addWidget(status_);
  column->addLayout(buttons);
  Recall();
}

PracticeWindow::~PracticeWindow() = default;

PracticePageOptions PracticeWindow::ChosenOptions() const {
  PracticePageOptions options;
  for (const auto& [practice, box] : exercises_) {
    if (box->isChecked()) options.exercises.push_back(practice);
  }
  options.title = FromQString(title_->text().trimmed());
  options.syllablesEverywhere = syllables_->isChecked();
  options.solutionAllowed = solution_->isChecked();
  options.spokenSentences = sound_->isChecked();
  return options;
}

LevelChoice PracticeWindow::ChosenLevel() const { return static_cast<LevelChoice>(level_->currentIndex()); }

bool PracticeWindow::WritePages(const Worksheet& ws, UiServices& ui, const Syllabifier* engine, LevelChoice level,
                                const std::filesystem::path& target) {
  PracticePageOptions options = ChosenOptions();
  options.text = ws.Text1.selLength > 0 ? ws.Text1.Marked() : ws.Text1.text;
  options.syllabifier = engine;
  PracticeFilesWritten written;
  if (!options.spokenSentences) {
    written = WritePracticeFiles(options, level, target);
  } else {
    // Speaking every sentence takes seconds: it runs on a thread of its own
    // while a box says so and the windows go on painting.
    QProgressDialog wait(QStringLiteral("Die Sätze werden gesprochen …"), QString(), 0, 0, this);
    wait.setWindowTitle(ToQString(kTitle));
    wait.setWindowModality(Qt::ApplicationModal);
    wait.setMinimumDuration(0);
    wait.show();
    QEventLoop untilWritten;
    std::thread writer([&] {
      written = WritePracticeFiles(options, level, target);
      QMetaObject::invokeMethod(&untilWritten, &QEventLoop::quit, Qt::QueuedConnection);
    });
    untilWritten.exec();
    writer.join();
  }
  if (!written.ok) {
    ui.MessageBox(
        U"Die Übungsseite „" + FromQString(FileName(written.failed)) + U"“ wurde nicht geschrieben: " + written.reason,
        style::kOkStop, kTitle);
  }
  return written.ok;
}

bool PracticeWindow::CanMake(const Worksheet& ws, UiServices& ui) const {
  if (ChosenOptions().exercises.empty()) {
    ui.MessageBox(U"Bitte mindestens eine Übung ankreuzen.", style::kOkExclamation, kTitle);
    return false;
  }
  if (ws.Text1.text.empty()) {
    ui.MessageBox(U"Es ist kein Originaltext vorhanden. Die Übungsseite entsteht aus dem Originaltext.",
                  style::kOkExclamation, kTitle);
    return false;
  }
  return true;
}

void PracticeWindow::Save() {
  Remember();
  host_.withText([this](const Worksheet& ws, UiServices& ui, const Syllabifier* engine) {
    if (!CanMake(ws, ui)) return;
    const QString folder = lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
    QString path = chooseHtmlFile(this, QDir(folder).filePath(QStringLiteral("uebungsseite.html")));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)) {
      path += QStringLiteral(".html");
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    Remember();
    const LevelChoice level = ChosenLevel();
    if (!WritePages(ws, ui, engine, level, QFile::encodeName(path).toStdString())) return;
    QStringList names;
    for (const std::filesystem::path& written : PracticeFilePaths(level, QFile::encodeName(path).toStdString())) {
      names << QFileInfo(FileName(written)).fileName();
    }
    status_->setText(QStringLiteral("Gespeichert: ") + names.join(QStringLiteral(", ")));
  });
}

void PracticeWindow::View() {
  Remember();
  host_.withText([this](const Worksheet& ws, UiServices& ui, const Syllabifier* engine) {
    if (!CanMake(ws, ui)) return;
    if (!viewFolder_)
      viewFolder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("tesmoran-XXXXXX")));
    if (!viewFolder_->isValid()) {
      ui.MessageBox(U"Für die Ansicht ließ sich kein Ordner anlegen: " + FromQString(viewFolder_->errorString()),
                    style::kOkStop, kTitle);
      viewFolder_.reset();
      return;
    }
    const LevelChoice level = ChosenLevel();
    const std::filesystem::path target =
        QFile::encodeName(viewFolder_->filePath(QStringLiteral("uebungsseite.html"))).toStdString();
    if (!WritePages(ws, ui, engine, level, target)) return;
    // All three levels: the easy one opens, the others lie beside it.
    const QString first = FileName(PracticeFilePaths(level, target).front());
    if (!openInBrowser(first)) {
      ui.MessageBox(U"Es ließ sich kein Browser öffnen. Die Seite liegt in „" + FromQString(first) + U"“.",
                    style::kOkExclamation, kTitle);
    }
  });
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
  Remember();
  QWidget::closeEvent(event);
}

void PracticeWindow::Remember() const {
  QStringList names;
  for (const auto& [practice, box] : exercises_) {
    if (box->isChecked()) names << QString::fromLatin1(practice->button);
  }
  store_->setValue(kKeyExercises, names);
  store_->setValue(kKeyLevel, level_->currentIndex());
  store_->setValue(kKeyTitle, title_->text());
  store_->setValue(kKeySyllables, syllables_->isChecked());
  store_->setValue(kKeySolution, solution_->isChecked());
  store_->setValue(kKeySound, sound_->isChecked());
  if (!lastFolder_.isEmpty()) store_->setValue(kKeyFolder, lastFolder_);
}

void PracticeWindow::Recall() {
  const QStringList names =
      store_->value(kKeyExercises, QStringList{QString::fromLatin1(PracticeExercises().front().button)}).toStringList();
  for (const auto& [practice, box] : exercises_) box->setChecked(names.contains(QString::fromLatin1(practice->button)));
  const int level = store_->value(kKeyLevel, 0).toInt();
  level_->setCurrentIndex(level >= 0 && level < level_->count() ? level : 0);
  title_->setText(store_->value(kKeyTitle).toString());
  syllables_->setChecked(store_->value(kKeySyllables, false).toBool());
  solution_->setChecked(store_->value(kKeySolution, true).toBool());
  sound_->setChecked(store_->value(kKeySound, false).toBool());
  lastFolder_ = store_->value(kKeyFolder).toString();
}

}  // namespace tesmoran
