#include "ui/Wiring.h"

namespace tesmoran {

void WireFiles(Form1& /*form*/) {}

}  // namespace tesmoran
