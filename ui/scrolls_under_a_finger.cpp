#include "scrolls_under_a_finger.h"

#include <QAbstractItemView>
#include <QScroller>

namespace dicewright {

void ScrollsUnderAFinger(QAbstractScrollArea* area, bool scrolls) {
    if (!scrolls) {
        QScroller::ungrabGesture(area->viewport());
        return;
    }
    // A list follows the finger pixel by pixel, not a row at a time.
    if (auto* list = qobject_cast<QAbstractItemView*>(area))
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(area->viewport(), QScroller::LeftMouseButtonGesture);
}

}  // namespace dicewright
