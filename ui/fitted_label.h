#pragma once

#include <QLabel>

namespace dicewright {

// A label that takes the width of its text, trailing blanks included, whenever the text is
// shown through showText(). Its left edge stays put; it never gets narrower than it was made.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    FittedLabel(const QRect& geometry, QWidget* parent);

    void showText(const QString& text);

private:
    int m_minimumWidth = 0;
};

}  // namespace dicewright
