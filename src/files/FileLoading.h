// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading the chosen text file into the file window's preview.
#include <cstdint>
#include <filesystem>

#include "platform/UiServices.h"
#include "text/Text.h"

namespace tesmoran {

// Files longer than this many bytes are loaded only after a question.
inline constexpr std::uintmax_t kLoadByteLimit = 31000;
// At most this many bytes are read from the start of a file; the text stops
// long before that, so a huge file never fills the memory.
inline constexpr std::size_t kLoadReadCap = 4u << 20;

// The file last clicked in the file list.
struct FileSelection {
  Text SelectedFile;           // directory, separator, name; capitals after a load
  std::filesystem::path path;  // the file as chosen: the file system tells cases apart
  Text name;                   // the bare name as chosen in the list

  bool Empty() const { return SelectedFile.empty(); }
};

// The selection for file `name` in `directory`: the separator is put between
// them unless the directory already ends with it.
FileSelection SelectFile(TextView directory, TextView name, Char separator = U'/');

// The file system path of a text.
std::filesystem::path PathFromText(TextView text);

// Reads the selected file into `preview`: the size question for long files,
// then the fields of the file joined by spaces.  On any failure the
// load-error message appears and the preview keeps its text.  True when the
// preview was replaced.
bool LoadSelectedFile(FileSelection& selection, Text& preview, UiServices& ui);

// The "Laden" button's check: false (after its message) while no file was
// chosen.
bool CheckFileChosen(const FileSelection& selection, UiServices& ui);

}  // namespace tesmoran
