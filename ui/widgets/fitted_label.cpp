#include "widgets/fitted_label.h"

namespace dicewright {

FittedLabel::FittedLabel(const QRect& geometry, Qt::Alignment alignment, QWidget* parent)
    : QLabel(parent), m_emptyWidth(geometry.width()) {
    setGeometry(geometry);
    setAlignment(alignment | Qt::AlignTop);
}

void FittedLabel::showText(const QString& text) {
    setText(text);
    // horizontalAdvance counts trailing blanks, which a dice label may have.
    const int width = text.isEmpty()
                          ? m_emptyWidth
                          : fontMetrics().horizontalAdvance(text) + 2 * (margin() + frameWidth());
    QRect fitted = geometry();
    if (alignment() & Qt::AlignRight) {
        fitted.setLeft(fitted.right() - width + 1);
    } else {
        fitted.setWidth(width);
    }
    setGeometry(fitted);
}

void FittedLabel::place(const QRect& geometry) {
    m_emptyWidth = geometry.width();
    setGeometry(geometry);
    showText(text());
}

}  // namespace dicewright
