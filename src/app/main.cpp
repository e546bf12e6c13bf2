// Program start: a German interface, the main window, and the end of the
// program when the main window closes.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/Form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tesmoran"));
  QApplication::setApplicationVersion(QStringLiteral(TESMORAN_VERSION));

  // Standard buttons, context menus and dialogues in German.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslator);
  }

  tesmoran::Form1 window;
  window.show();
  return QApplication::exec();
}
