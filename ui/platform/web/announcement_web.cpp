#include <emscripten.h>

#include <QAccessibleEvent>
#include <QWidget>

#include "announcement.h"

namespace dicewright {

// A browser's screen reader knows nothing of what Qt draws on its canvas. The page has a
// polite live region (#announcement): the words put there are spoken at once. Qt's own event
// is posted too, for anything in the program that listens.
const QAccessible::Event kAnnouncementEvent = QAccessible::ObjectShow;

void Announce(QWidget* source, const QString& words) {
    QAccessibleEvent shown(source, kAnnouncementEvent);
    QAccessible::updateAccessibility(&shown);
    // clang-format off
    // A new node each time: a total equal to the last one is spoken again.
    EM_ASM({
        const region = document.getElementById('announcement');
        if (!region) return;
        const words = document.createElement('p');
        words.textContent = UTF8ToString($0);
        region.replaceChildren(words);
    }, words.toUtf8().constData());
    // clang-format on
}

}  // namespace dicewright
