// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeFiles.h"

#include <optional>

#include "files/AtomicFile.h"

namespace tesmoran {

std::vector<PracticeLevel> LevelsOf(LevelChoice choice) {
  switch (choice) {
    case LevelChoice::kEasy: return {PracticeLevel::kEasy};
    case LevelChoice::kMedium: return {PracticeLevel::kMedium};
    case LevelChoice::kHard: return {PracticeLevel::kHard};
    case LevelChoice::kAll: break;
  }
  return {PracticeLevel::kEasy, PracticeLevel::kMedium, PracticeLevel::kHard};
}

std::vector<std::filesystem::path> PracticeFilePaths(LevelChoice choice, const std::filesystem::path& target) {
  if (choice != LevelChoice::kAll) return {target};
  std::vector<std::filesystem::path> paths;
  for (PracticeLevel level : LevelsOf(choice)) paths.push_back(PathForLevel(target, level));
  return paths;
}

PracticeFilesWritten WritePracticeFiles(const PracticePageOptions& options, LevelChoice choice,
                                        const std::filesystem::path& target) {
  PracticeFilesWritten result;
  const std::vector<std::filesystem::path> paths = PracticeFilePaths(choice, target);
  for (const std::filesystem::path& path : paths) {
    if (Text why = ReasonNotWritable(path); !why.empty()) {
      result.ok = false;
      result.failed = path;
      result.reason = std::move(why);
      return result;
    }
  }
  const std::vector<PracticeLevel> levels = LevelsOf(choice);
  const PracticeSet set = BuildPracticeSet(options.text, ChosenExercises(options), options.answer);
  // The sentences are spoken once for every level.
  std::optional<PracticeAudio> audio;
  if (options.spokenSentences) {
    audio = SpokenSentences(set, options);
    if (!audio->error.empty()) {
      result.ok = false;
      result.failed = paths.front();
      result.reason = std::move(audio->error);
      return result;
    }
  }
  for (std::size_t k = 0; k < levels.size(); ++k) {
    WriteResult written =
        WriteFileAtomically(paths[k], BuildPracticePage(set, options, levels[k], audio ? &*audio : nullptr));
    if (!written.ok) {
      result.ok = false;
      result.failed = paths[k];
      result.reason = std::move(written.reason);
      return result;
    }
    result.written.push_back(paths[k]);
  }
  return result;
}

}  // namespace tesmoran
