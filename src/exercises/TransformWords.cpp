// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/TransformWords.h"

namespace tesmoran {

Text TransformWords(TextView text, const WordTransform& transform) {
  return TransformWordsWith(text, text.size() + text.size() / 2, transform);
}

}  // namespace tesmoran
