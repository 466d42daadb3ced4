#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>
#include <functional>

class QFrame;
class QPushButton;

namespace dicewright {

class FittedLabel;

// The greeting before the main window: logo, title, version and one button that opens the main
// window. Any character key, or a click on the frame's own surface, unloads it instead.
class SplashWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashWindow)

public:
    // Loads the main window (without showing it) when the button is used.
    using MainWindowLoader = std::function<QWidget&()>;

    explicit SplashWindow(MainWindowLoader loadMainWindow, QWidget* parent = nullptr);

    // Shown centred on the screen.
    void showCentred();

signals:
    // The window was unloaded by a key or a click on its frame.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_KeyPress();
    void Frame1_Click();
    void Command1_Click();

    void unload();

    MainWindowLoader m_loadMainWindow;
    QFrame* m_frame = nullptr;
    FittedLabel* m_productName = nullptr;
    FittedLabel* m_version = nullptr;
    QPushButton* m_start = nullptr;
};

}  // namespace dicewright
