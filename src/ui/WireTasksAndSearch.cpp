#include "ui/Wiring.h"

namespace tesmoran {

void WireTasksAndSearch(Form1& /*form*/) {}

}  // namespace tesmoran
