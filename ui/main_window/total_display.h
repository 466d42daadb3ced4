#pragma once

#include "widgets/fitted_label.h"

namespace dicewright {

// The total display. Assistive technology meets it as a notification, and every total shown is
// announced, even one equal to the total before it, since the focus stays on ROLL and a screen
// reader ignores text changes away from the focus.
class TotalDisplay : public FittedLabel {
    Q_OBJECT
    Q_CLASSINFO("AccessibleRole", "Notification")

public:
    using FittedLabel::FittedLabel;

    // What the display is, for its accessible description.
    static QString Purpose();

    // How the next total came about, for the tooltip and, after the purpose, the description.
    void showThrows(const QString& text);
    // Shows and announces a total, with the verdict of a test where there is one; its dice are
    // set first, so the announcement can tell them.
    void showTotal(const QString& text, const QString& verdict = {});
};

}  // namespace dicewright
