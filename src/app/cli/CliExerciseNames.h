// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names by which tesmoran-cli calls the exercises.
#include <string>

#include "text/Text.h"
#include "worksheet/ExerciseFrame.h"

namespace tesmoran {

// The ASCII form of a caption: lower case, ä -> ae, ö -> oe, ü -> ue,
// ß -> ss, space -> hyphen ("Lücken-Wörter" -> "luecken-woerter").
std::string AsciiName(const Text& caption);

// The exercise named by its caption (UTF-8 or code page 1252) or by its
// ASCII form (letter case not counted); nullptr for an unknown name.
const Exercise* FindExerciseByName(const std::string& name);

}  // namespace tesmoran
