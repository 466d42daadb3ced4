#include <QAccessibleEvent>
#include <QWidget>

#include "announcement.h"

namespace dicewright {

// Qt 6.4 has no announcement event. Over AT-SPI a notification that shows itself again is
// spoken at once, its name (the words) included.
const QAccessible::Event kAnnouncementEvent = QAccessible::ObjectShow;

void Announce(QWidget* source, const QString& /*words: the source's accessible name*/) {
    QAccessibleEvent shown(source, kAnnouncementEvent);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace dicewright
