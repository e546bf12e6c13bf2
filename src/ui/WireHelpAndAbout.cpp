#include "ui/Wiring.h"

namespace tesmoran {

void WireHelpAndAbout(Form1& /*form*/) {}

}  // namespace tesmoran
