// SPDX-License-Identifier: GPL-3.0-or-later
// Test main of the core tests: unexpected boxes of the scripted
// user-interface services become test failures.
#include <gtest/gtest.h>

#include "ScriptedUi.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tesmoran::testing::ScriptedUi::FailureHandler() = [](const std::string& what) {
    ADD_FAILURE() << what;
  };
  return RUN_ALL_TESTS();
}
