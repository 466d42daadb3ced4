#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <chrono>

class QWidget;

namespace dicewright {

// A finger held still on a window for about half a second asks for the context menu of the
// widget under it, as a right-click does: the touch screens' convention on Windows and GNOME,
// for tablets and touch-screen laptops held without a mouse. The press it began with presses
// nothing. A mouse is left alone.
class PressAndHold : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PressAndHold)

public:
    static constexpr std::chrono::milliseconds kHold{500};

    // Watches `window` and every widget in it, for as long as the window lives.
    explicit PressAndHold(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void held();

    QWidget* m_window;
    QTimer m_timer;
    QPointer<QWidget> m_pressed;
    QPoint m_globalPress;
};

}  // namespace dicewright
