#pragma once

namespace dicewright {

// Gives the main window the role of a named frame and the total display that of a
// notification. Qt keeps a widget's accessible interface once made, so this runs before the
// first window is created; running it again does nothing.
void InstallAccessibleInterfaces();

}  // namespace dicewright
