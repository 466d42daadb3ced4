#include "widgets/wrapping_button.h"

#include <QFontInfo>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace dicewright {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

namespace {
constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

QRect WrappingButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont WrappingButton::captionFont() const {
    // A caption longer in another language is drawn smaller until its lines fit, never cut.
    const QRect area = captionArea();
    QFont shrunk = font();
    const qreal designed = QFontInfo(shrunk).pointSizeF();
    for (qreal size = designed; size >= designed / 2; size *= 0.9) {
        shrunk.setPointSizeF(size);
        const QRect needed = QFontMetrics(shrunk).boundingRect(area, kFlags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
    }
    return shrunk;
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(captionFont());
    painter.drawItemText(captionArea(), kFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

}  // namespace dicewright
