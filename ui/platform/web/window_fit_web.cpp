#include <emscripten/val.h>

#include "window_fit.h"

namespace dicewright {

// The page is the screen: a phone upright or sideways, or a browser window of any size.
bool WindowsFollowTheScreen() {
    return true;
}

// Asked anew at each layout: a tablet's keyboard cover with a trackpad makes it a fine pointer.
bool PrimaryPointerIsCoarse() {
    return emscripten::val::global("window")
        .call<emscripten::val>("matchMedia", std::string("(pointer: coarse)"))["matches"]
        .as<bool>();
}

}  // namespace dicewright
