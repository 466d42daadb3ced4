#pragma once

class QAbstractScrollArea;

namespace dicewright {

// A finger dragged over the area scrolls it, with a phone list's momentum, rather than press
// or select what it passes; a tap still acts once lifted, and a finger held still opens the
// window's menu. Qt's scroller does this for the left button's presses, which a touch screen
// gives too; a mouse then drags the same way, so desktop lists turn it off again (`false`).
void ScrollsUnderAFinger(QAbstractScrollArea* area, bool scrolls = true);

}  // namespace dicewright
