#include "total_display.h"

#include <QAccessible>

namespace dicewright {

void TotalDisplay::showTotal(const QString& text) {
    showText(text);
    // Qt 6.4 has no announcement event; a notification that shows itself again is what a
    // screen reader speaks at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void TotalDisplay::showThrows(const QString& text) {
    setToolTip(text);
    setAccessibleDescription(text);
}

}  // namespace dicewright
