// The yardsticks for start-up: the smallest Qt Widgets program that shows a window, and (built
// with BARE_WINDOW_TEXT=1) the same window with one line of text, which starts the font system
// as any window with words must.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(492, 283);
    if constexpr (BARE_WINDOW_TEXT) {
        auto* text = new QLabel(QStringLiteral("Dicewright"), &window);
        text->move(20, 20);
    }
    window.show();
    return app.exec();
}
