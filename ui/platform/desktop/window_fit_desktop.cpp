#include "window_fit.h"

namespace dicewright {

// A desktop window keeps the size it was designed with; the player moves and sizes it.
bool WindowsFollowTheScreen() {
    return false;
}

}  // namespace dicewright
