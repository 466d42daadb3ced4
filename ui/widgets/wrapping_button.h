#pragma once

#include <QPushButton>

namespace dicewright {

// A push button whose caption wraps onto several lines when it is wider than the button, as the
// splash window's long "TIME TO ROLL THE DICE" needs. The text itself stays on one line, so
// that accessibility and tests read it unchanged.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& text, QWidget* parent);

    // The font the caption is drawn in: the button's own, or smaller where its lines would not
    // fit the button.
    QFont captionFont() const;
    // Where the caption's lines are drawn.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dicewright
