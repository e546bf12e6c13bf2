// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace tesmoran::testing {

void InstallQtTestFailureHandler() {
  ScriptedUi::FailureHandler() = [](const std::string& what) {
    QTest::qFail(what.c_str(), __FILE__, __LINE__);
  };
}

void UseScratchSettings() {
  static QTemporaryDir folder;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, folder.path());
  }
}

}  // namespace tesmoran::testing
