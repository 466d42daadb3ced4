#include <QAccessibleEvent>
#include <QWidget>

#include "accessibility/announcement.h"

namespace dicewright {

// Qt 6.4's UI Automation bridge ignores ObjectShow. A value change whose value is a string it
// raises as a UIA notification (NotificationKind_Other, ImportantMostRecent) carrying that
// string, which NVDA and Narrator speak.
const QAccessible::Event kAnnouncementEvent = QAccessible::ValueChanged;

void Announce(QWidget* source, const QString& words) {
    QAccessibleValueChangeEvent changed(source, words);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace dicewright
