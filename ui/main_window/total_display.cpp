#include "main_window/total_display.h"

#include "accessibility/announcement.h"

namespace dicewright {

QString TotalDisplay::Purpose() {
    return tr("Total of the last roll");
}

void TotalDisplay::showThrows(const QString& text) {
    setToolTip(text);
    //: What a screen reader says of the total display: what it is, then the dice behind the
    //: total ("Total of the last roll. D6: 5 · D6: 3").
    setAccessibleDescription(tr("%1. %2").arg(Purpose(), text));
}

void TotalDisplay::showTotal(const QString& text, const QString& verdict) {
    showText(text);
    // One announcement for both, so that a screen reader says them together, once.
    //: What a screen reader says after a roll: the total, then the test's verdict ("17. Success").
    //: It must not read as an ordinal ("17th success").
    Announce(this,
             verdict.isEmpty() ? text : tr("%1. %2", "a total and its verdict").arg(text, verdict));
}

}  // namespace dicewright
