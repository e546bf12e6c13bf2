// Program start: a German interface and the main window.  The program ends
// when the main window closes (Yes to the exit question, or closing it
// through the window system): every other window closes with it.
#include <QApplication>

#include "Version.h"
#include "platform/qt/QtTranslations.h"
#include "ui/Form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tesmoran"));
  QApplication::setApplicationVersion(QStringLiteral(TESMORAN_VERSION));
  tesmoran::InstallGermanTranslations(app);

  tesmoran::Form1 window;
  QObject::connect(&window, &tesmoran::Form1::EndRequested, &app, [] {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
  });
  window.show();
  return QApplication::exec();
}
