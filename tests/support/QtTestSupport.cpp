#include "QtTestSupport.h"

#include <QtTest>

namespace tesmoran::testing {

void InstallQtTestFailureHandler() {
  ScriptedUi::FailureHandler() = [](const std::string& what) {
    QTest::qFail(what.c_str(), __FILE__, __LINE__);
  };
}

}  // namespace tesmoran::testing
