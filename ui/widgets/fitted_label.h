#pragma once

#include <QLabel>

namespace dicewright {

// A label that takes the width of its text, blanks included, whenever the text is shown through
// showText(). A right-aligned label keeps its right edge, any other its left edge. With no text
// it keeps the width it was made with, so that it still has a place on screen.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    FittedLabel(const QRect& geometry, Qt::Alignment alignment, QWidget* parent);

    void showText(const QString& text);
    // Moves the label to a new place, `geometry` being its size when empty, and fits the text
    // it shows again, in the font it has now.
    void place(const QRect& geometry);

private:
    int m_emptyWidth = 0;
};

}  // namespace dicewright
