#pragma once

namespace dicewright {

// Makes the faces that the program carries with it available where the system lacks them.
// On Linux the system's own fonts serve and this does nothing; on Windows, which seldom has
// Arial Narrow, it adds Liberation Sans Narrow. Each platform's is in
// ui/platform/NAME/bundled_fonts_NAME.cpp.
void AddBundledFonts();

}  // namespace dicewright
