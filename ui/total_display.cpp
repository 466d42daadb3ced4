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

void TotalDisplay::showTotal(const QString& text) {
    showText(text);
    Announce(this, text);
}

}  // namespace dicewright
