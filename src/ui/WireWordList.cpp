#include "ui/Wiring.h"

namespace tesmoran {

void WireWordList(Form1& /*form*/) {}

}  // namespace tesmoran
