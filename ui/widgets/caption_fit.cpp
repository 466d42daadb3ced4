#include "widgets/caption_fit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace dicewright {
namespace {

bool Fits(const QWidget* caption) {
    // A button's size hint is at least the style's least button, wider than its text needs.
    if (const auto* button = qobject_cast<const QPushButton*>(caption)) {
        const QStyle* style = button->style();
        return button->fontMetrics().horizontalAdvance(button->text()) +
                   2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button)) <=
               button->width();
    }
    // A text that wraps must fit its lines into the height it has.
    if (const auto* label = qobject_cast<const QLabel*>(caption); label && label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return caption->sizeHint().width() <= caption->width();
}

}  // namespace

QFont FitCaption(QWidget* caption, const QFont& font) {
    caption->setFont(font);
    if (Fits(caption)) return font;
    const bool inPoints = font.pointSizeF() > 0;
    const qreal designed = inPoints ? font.pointSizeF() : font.pixelSize();
    // A tenth smaller at a time, down to half the size: smaller still nobody reads.
    QFont smaller = font;
    for (qreal size = designed * 0.9; size >= designed / 2; size *= 0.9) {
        if (inPoints) {
            smaller.setPointSizeF(size);
        } else {
            smaller.setPixelSize(static_cast<int>(size));
        }
        caption->setFont(smaller);
        if (Fits(caption)) return smaller;
    }
    return smaller;
}

}  // namespace dicewright
