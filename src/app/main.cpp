// SPDX-License-Identifier: GPL-3.0-or-later
// Program start: a German interface and the main window.  The program ends
// when the main window closes (Yes to the exit question, or closing it
// through the window system): every other window closes with it.  While it
// runs, the worksheet is kept in a recovery file; a file left by a run that
// did not end normally is offered back at the start.  The syllable engine
// loads in the background from the start on.  A file named on the
// command line is loaded as the original text once the window is shown.
#include <QTimer>
#include <cstdio>
#include <new>

#include "Version.h"
#include "app/GuardedApplication.h"
#include "platform/qt/QtTranslations.h"
#include "ui/main/Form1.h"
#include "ui/recovery/RecoveryOffer.h"
#include "ui/recovery/RecoveryWriter.h"
#include "ui/main/StartFile.h"
#include "ui/syllables/SyllableEngineLoader.h"

namespace {

int Run(int argc, char** argv) {
  tesmoran::GuardedApplication app(argc, argv);
  // Remembered settings (window place, zoom) live under this name.
  QApplication::setOrganizationName(QStringLiteral("Tesmoran"));
  QApplication::setApplicationName(QStringLiteral("Tesmoran"));
  QApplication::setApplicationVersion(QStringLiteral(TESMORAN_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("de.tesmoran.Tesmoran"));
  tesmoran::InstallGermanTranslations(app);

  tesmoran::Form1 window;
  QObject::connect(&window, &tesmoran::Form1::EndRequested, &app, [] {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
  });
  auto* recovery = new tesmoran::RecoveryWriter(window, tesmoran::RecoveryWriter::DefaultFolder());
  window.show();
  // The syllable patterns take a moment to read: they are read meanwhile.
  tesmoran::SyllableEngineLoader::Of(window).Start();
  tesmoran::OfferRecovery(window, window.Ui(), recovery->FilePath());
  recovery->Start();
  const QString startFile = tesmoran::StartFileArgument(QApplication::arguments());
  if (!startFile.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, startFile] { tesmoran::LoadStartFile(window, startFile); });
  }
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "tesmoran: %s\n", tesmoran::kOutOfMemoryMessage);
    return 1;
  }
}
