#include "accessibility.h"

namespace dicewright {

// Qt's own bridge (AT-SPI, UI Automation) serves screen readers on the desktop.
void StartAccessibilityBridge() {}

}  // namespace dicewright
