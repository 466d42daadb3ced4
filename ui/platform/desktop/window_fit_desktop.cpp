#include "window_fit.h"

namespace dicewright {

// A desktop window keeps the size it was designed with; the player moves and sizes it.
bool WindowsFollowTheScreen() {
    return false;
}

// The designed window is what a desktop shows, whatever points at it.
bool PrimaryPointerIsCoarse() {
    return false;
}

}  // namespace dicewright
