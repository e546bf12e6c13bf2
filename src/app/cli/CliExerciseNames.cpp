// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliExerciseNames.h"

#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "worksheet/ExerciseCatalogue.h"

namespace tesmoran {

std::string AsciiName(const Text& caption) {
  std::string name;
  for (Char c : caption) {
    switch (c) {
      case U'ä': case U'Ä': name += "ae"; break;
      case U'ö': case U'Ö': name += "oe"; break;
      case U'ü': case U'Ü': name += "ue"; break;
      case U'ß': name += "ss"; break;
      case U' ': name += '-'; break;
      default:
        name += static_cast<char>(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
        break;
    }
  }
  return name;
}

const Exercise* FindExerciseByName(const std::string& name) {
  std::string lowered = name;
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const Exercise& e : ExerciseCatalogue()) {
    if (name == EncodeUtf8(e.caption) || name == EncodeCp1252(e.caption) || lowered == AsciiName(e.caption)) {
      return &e;
    }
  }
  return nullptr;
}

}  // namespace tesmoran
