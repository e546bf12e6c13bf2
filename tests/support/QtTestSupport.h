// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the window tests: scripted boxes become QtTest failures.
#include "ScriptedUi.h"

namespace tesmoran::testing {

// Makes unexpected boxes of ScriptedUi fail the running QtTest function.
void InstallQtTestFailureHandler();

// Points the program's remembered settings at an empty scratch folder for
// the rest of the test run, so that no run sees what an earlier one left.
void UseScratchSettings();

}  // namespace tesmoran::testing
