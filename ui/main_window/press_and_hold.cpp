#include "main_window/press_and_hold.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QStyleHints>

namespace dicewright {

PressAndHold::PressAndHold(QWidget* window) : QObject(window), m_window(window) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kHold);
    connect(&m_timer, &QTimer::timeout, this, &PressAndHold::held);
    // The application's filter sees a press wherever in the window it lands, on widgets made
    // later too.
    qApp->installEventFilter(this);
}

bool PressAndHold::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (widget == nullptr || widget->window() != m_window) return false;
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        // A press passed on to the parents arrives here again: the first widget keeps it.
        // A press a touch screen made, also once a scrolling area has held it back and passed
        // it on anew, which keeps only where it came from.
        const bool finger =
            (mouse->pointingDevice() != nullptr &&
             mouse->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen) ||
            mouse->source() != Qt::MouseEventNotSynthesized;
        if (finger && mouse->button() == Qt::LeftButton &&
            !(m_timer.isActive() && global == m_globalPress)) {
            m_pressed = widget;
            m_globalPress = global;
            m_timer.start();
        }
    } else if (type == QEvent::MouseButtonRelease ||
               (global - m_globalPress).manhattanLength() >
                   QGuiApplication::styleHints()->startDragDistance()) {
        m_timer.stop();
    }
    return false;
}

void PressAndHold::held() {
    if (m_pressed == nullptr || !m_pressed->isVisible()) return;
    // Lifting the finger then presses nothing: not the button, not the step under it.
    if (auto* button = qobject_cast<QAbstractButton*>(m_pressed.data())) button->setDown(false);
    QContextMenuEvent request(QContextMenuEvent::Mouse, m_pressed->mapFromGlobal(m_globalPress),
                              m_globalPress);
    QApplication::sendEvent(m_pressed, &request);
}

}  // namespace dicewright
