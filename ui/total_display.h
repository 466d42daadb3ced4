#pragma once

#include "fitted_label.h"

namespace dicewright {

// The total display. Assistive technology meets it as a notification, and every total shown is
// announced, even one equal to the total before it, since the focus stays on ROLL and a screen
// reader ignores text changes away from the focus.
class TotalDisplay : public FittedLabel {
    Q_OBJECT

public:
    using FittedLabel::FittedLabel;

    void showTotal(const QString& text);
    // How the total came about, for the tooltip and the accessible description.
    void showThrows(const QString& text);
};

}  // namespace dicewright
