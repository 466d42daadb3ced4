#pragma once

#include <QSize>

#include "main_window_layout.h"

namespace dicewright {

// Whether the windows lay themselves out again for the screen they are shown on, as in a
// browser, whose page may be a phone held either way, rather than keep their designed size as
// desktop windows do. One answer per platform.
bool WindowsFollowTheScreen();

// Whether the player's main pointer is a finger (the browser's "pointer: coarse"), as on a
// phone or a tablet, rather than a mouse: then even a screen that holds the designed window
// gets targets for a finger.
bool PrimaryPointerIsCoarse();

// Whether a window on a screen of `available` pixels is laid out for touch.
inline bool LaysOutForTouch(QSize available, bool withDifficulty = false) {
    return WindowsFollowTheScreen() &&
           (PrimaryPointerIsCoarse() || !FitsDesignedLayout(available, withDifficulty));
}

}  // namespace dicewright
