#include "app/bundled_fonts.h"

namespace dicewright {

// The desktop's fontconfig already maps Arial Narrow to an installed condensed face.
void AddBundledFonts() {}

}  // namespace dicewright
