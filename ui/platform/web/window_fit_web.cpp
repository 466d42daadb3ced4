#include "window_fit.h"

namespace dicewright {

// The page is the screen: a phone upright or sideways, or a browser window of any size.
bool WindowsFollowTheScreen() {
    return true;
}

}  // namespace dicewright
