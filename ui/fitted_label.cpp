#include "fitted_label.h"

#include <algorithm>

namespace dicewright {

FittedLabel::FittedLabel(const QRect& geometry, QWidget* parent)
    : QLabel(parent), m_minimumWidth(geometry.width()) {
    setGeometry(geometry);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void FittedLabel::showText(const QString& text) {
    setText(text);
    const int textWidth = fontMetrics().horizontalAdvance(text) + 2 * (margin() + frameWidth());
    resize(std::max(textWidth, m_minimumWidth), height());
}

}  // namespace dicewright
