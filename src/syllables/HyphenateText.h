// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise "Silben trennen": the text with its syllables joined by «-»,
// «Oma liest am Abend.» becomes «O-ma liest am A-bend.».  Everything else,
// hyphens already in the text included, stays as it is.
#include "syllables/Syllabifier.h"
#include "text/Text.h"

namespace tesmoran {

Text HyphenateText(TextView text, const Syllabifier& syllabifier, SyllableKind kind = SyllableKind::kReading);

}  // namespace tesmoran
