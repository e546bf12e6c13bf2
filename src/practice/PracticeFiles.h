// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing the practice page to disk: one file for one level, or one file per
// level ("seite-leicht.html", …) for all three.  The command line and the
// window write through here.
#include <filesystem>
#include <vector>

#include "practice/PracticePage.h"
#include "text/Text.h"

namespace tesmoran {

// The level the teacher chose: one of the three, or all of them.
enum class LevelChoice { kEasy, kMedium, kHard, kAll };

// The levels a choice writes, easiest first.
std::vector<PracticeLevel> LevelsOf(LevelChoice choice);

// The files a choice writes for the target the teacher named.
std::vector<std::filesystem::path> PracticeFilePaths(LevelChoice choice, const std::filesystem::path& target);

struct PracticeFilesWritten {
  bool ok = true;
  std::filesystem::path failed;  // the file that was not written
  Text reason;                   // why, a German sentence
  std::vector<std::filesystem::path> written;
};

// Checks every file first, so that nothing is written when one of them
// cannot be, and speaks the sentences when asked (a voice that cannot
// speak writes nothing either); then writes each page atomically: a failed
// write leaves the file that was there as it was.
PracticeFilesWritten WritePracticeFiles(const PracticePageOptions& options, LevelChoice choice,
                                        const std::filesystem::path& target);

}  // namespace tesmoran
