#include <QAccessibleEvent>
#include <QWidget>

#include "accessibility/announcement.h"

namespace dicewright {

// Qt 6.4 has no announcement event. Over AT-SPI a notification that shows itself again is
// spoken at once, its name (the words) included.
const QAccessible::Event kAnnouncementEvent = QAccessible::ObjectShow;

// The screen reader reads the name when the event reaches it, later: the words stay the name
// (a total's words are its text, a test's add the verdict).
void Announce(QWidget* source, const QString& words) {
    source->setAccessibleName(words);
    QAccessibleEvent shown(source, kAnnouncementEvent);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace dicewright
