// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/StartFile.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "files/FileLoading.h"
#include "platform/qt/QtText.h"
#include "ui/main/Form1.h"

namespace tesmoran {

QString StartFileArgument(const QStringList& arguments) {
  bool options = true;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (options && argument == QLatin1String("--")) {
      options = false;
    } else if (!options || !argument.startsWith(QLatin1Char('-'))) {
      return argument;
    }
  }
  return {};
}

void LoadStartFile(Form1& form, const QString& file) {
  const QFileInfo info(file);
  const QString directory = info.absolutePath();
  FileSelection selection = SelectFile(FromQString(directory), FromQString(info.fileName()));
  // The file is opened by its name's bytes, which need not be readable.
  selection.path = std::filesystem::path(QFile::encodeName(info.absoluteFilePath()).toStdString());
  form.Run([&selection](Worksheet& ws, UiServices& ui) {
    Text loaded;
    if (LoadSelectedFile(selection, loaded, ui)) ws.Text1.Set(std::move(loaded));
  });
}

}  // namespace tesmoran
