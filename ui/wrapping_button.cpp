#include "wrapping_button.h"

#include <QFontInfo>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace dicewright {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // A caption longer in another language is drawn smaller until its lines fit, never cut.
    constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont shrunk = font();
    const qreal designed = QFontInfo(shrunk).pointSizeF();
    for (qreal size = designed * 0.9; size >= designed / 2; size *= 0.9) {
        const QRect needed = QFontMetrics(shrunk).boundingRect(area, kFlags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
        shrunk.setPointSizeF(size);
    }
    painter.setFont(shrunk);
    painter.drawItemText(area, kFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace dicewright
