#include "exercises/TransformWords.h"

namespace tesmoran {

Text TransformWords(TextView text, const WordTransform& transform) {
  Text out;
  out.reserve(text.size() + text.size() / 2);
  AppendTransformedWords(text, transform, out);
  return out;
}

}  // namespace tesmoran
