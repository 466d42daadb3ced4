#include "total_display.h"

#include "announcement.h"

namespace dicewright {

QString TotalDisplay::Purpose() {
    return tr("Total of the last roll");
}

void TotalDisplay::showThrows(const QString& text) {
    setToolTip(text);
    setAccessibleDescription(tr("%1. %2").arg(Purpose(), text));
}

void TotalDisplay::showTotal(const QString& text, const QString& verdict) {
    showText(text);
    // One announcement for both, so that a screen reader says them together, once.
    Announce(this, verdict.isEmpty() ? text : tr("%1. %2").arg(text, verdict));
}

}  // namespace dicewright
