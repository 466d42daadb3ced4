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

private:
    int m_emptyWidth = 0;
};

}  // namespace dicewright
