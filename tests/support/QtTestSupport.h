#pragma once
// Shared pieces of the window tests: scripted boxes become QtTest failures.
#include "ScriptedUi.h"

namespace tesmoran::testing {

// Makes unexpected boxes of ScriptedUi fail the running QtTest function.
void InstallQtTestFailureHandler();

}  // namespace tesmoran::testing
