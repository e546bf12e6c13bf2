// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileLoading.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "files/FieldReader.h"
#include "files/TextFileDecoding.h"
#include "text/CaseMap.h"
#include "text/Utf8.h"

namespace tesmoran {
namespace {

const Text kLfCr = U"\n\r";

bool AskLoadLongFile(UiServices& ui) {
  const Text prompt = U"Die Datei ist zu umfangreich" + kLfCr + U"oder hat ein anderes Format." + kLfCr +
                      U"Diese Datei trotzdem laden?";
  return ui.MessageBox(prompt, style::kYesNoQuestion, U"Dateifehler") == kAnswerYes;
}

// The load error; a known reason why the file is no text follows on a line
// of its own.
void ShowLoadError(const FileSelection& selection, UiServices& ui, TextView reason = {}) {
  Text prompt = ToUpper(selection.name) + kLfCr + Text(38, U'-') + kLfCr + U"Dateifehler beim Laden!" + kLfCr +
                U"Text wird nicht geladen!";
  if (!reason.empty()) prompt += kLfCr + Text(reason);
  ui.MessageBox(prompt, style::kOkStop, U"Dateifehler");
}

// The first `maxBytes` bytes of the file; nothing when it cannot be read.
std::optional<std::string> ReadStart(const std::filesystem::path& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// The joined fields of the file, or nothing (with the reason, when one is
// known) when it is no loadable text.  Only the part that the reading takes
// must be text: whatever lies behind the character limit may be anything.
std::optional<Text> ReadFileText(const std::filesystem::path& path, std::uintmax_t size, Text& reason) {
  const auto bytes = ReadStart(path, static_cast<std::size_t>(std::min<std::uintmax_t>(size, kLoadReadCap)));
  if (!bytes) return std::nullopt;
  const bool cutShort = size > kLoadReadCap;
  const DecodedFile file = DecodeFileBytes(*bytes, cutShort);
  std::size_t consumed = 0;
  auto joined = JoinFields(file.text, kLoadCharLimit, &consumed);
  if (!file.WhollyText() && file.firstBad < consumed) {
    reason = file.reason;
    return std::nullopt;
  }
  return joined;
}

}  // namespace

std::filesystem::path PathFromText(TextView text) { return std::filesystem::path(EncodeUtf8(text)); }

FileSelection SelectFile(TextView directory, TextView name, Char separator) {
  FileSelection selection;
  selection.SelectedFile.assign(directory);
  if (selection.SelectedFile.empty() || selection.SelectedFile.back() != separator) {
    selection.SelectedFile.push_back(separator);
  }
  selection.SelectedFile += name;
  selection.path = PathFromText(selection.SelectedFile);
  selection.name.assign(name);
  return selection;
}

bool LoadSelectedFile(FileSelection& selection, Text& preview, UiServices& ui) {
  if (selection.Empty()) return false;
  selection.SelectedFile = ToUpper(selection.SelectedFile);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(selection.path, error);
  if (error) {
    // Gone or unreachable since it was clicked.
    ShowLoadError(selection, ui);
    return false;
  }
  if (size > kLoadByteLimit && !AskLoadLongFile(ui)) return false;

  Text reason;
  auto text = ReadFileText(selection.path, size, reason);
  if (!text) {
    ShowLoadError(selection, ui, reason);
    return false;
  }
  preview = std::move(*text);
  return true;
}

bool CheckFileChosen(const FileSelection& selection, UiServices& ui) {
  if (!selection.Empty()) return true;
  ui.MessageBox(U"Erst eine Datei auswählen!", style::kOk, U"Ladefehler");
  return false;
}

}  // namespace tesmoran
