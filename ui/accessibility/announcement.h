#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace dicewright {

// Tells assistive technology to speak `words` for `source` at once, although the focus is
// elsewhere. Each platform's screen-reader bridge hears a different event, so each has its own
// file in ui/platform/: AT-SPI on Linux, UI Automation on Windows.
void Announce(QWidget* source, const QString& words);

// The event that Announce posts on this platform.
extern const QAccessible::Event kAnnouncementEvent;

}  // namespace dicewright
