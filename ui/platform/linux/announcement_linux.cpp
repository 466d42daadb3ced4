#include <QAccessibleEvent>
#include <QWidget>

#include "announcement.h"

namespace dicewright {

// Qt 6.4 has no announcement event. Over AT-SPI a notification that shows itself again is
// spoken at once, its name (the words) included.
const QAccessible::Event kAnnouncementEvent = QAccessible::ObjectShow;

// The words are the source's accessible name already.
void Announce(QWidget* source, const QString& /*words*/) {
    QAccessibleEvent shown(source, kAnnouncementEvent);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace dicewright
