#pragma once

#include <QApplication>
#include <functional>
#include <memory>

#include "dice.h"
#include "languages/language.h"

namespace dicewright {

class MainWindow;
class SplashWindow;

// The program as a whole: its identity, its one random source, its windows, and the one place
// where an error that escapes an event handler is reported before the program ends.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Loads and shows the first window, the splash; the main window is loaded only when the
    // splash hands over. The event loop then runs until the program ends.
    void start();

    // Speaks `language`, in its own forms of numbers and dates, in the windows made from now on;
    // false where it has no such catalogue.
    bool useLanguage(const Language& language) { return m_translations.install(language); }

    // The program's windows, or null while not loaded.
    SplashWindow* splashWindow() const { return m_splash.get(); }
    MainWindow* mainWindow() const { return m_main.get(); }

    // Handlers are guarded where they are connected; this catches whatever still escapes an
    // event, so that every error reaches the user the same way.
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's text to the user; by default in a message box. Tests replace it.
    using ErrorReporter = std::function<void(const QString& text)>;
    void setErrorReporter(ErrorReporter reporter);

    // Reports the error, then ends the event loop with a failure status.
    void reportFatalError(const std::exception_ptr& error);

private:
    MainWindow& loadMainWindow();

    Translations m_translations;
    ClockRandomSource m_random;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_main;
    ErrorReporter m_reportError;
    bool m_failed = false;
};

}  // namespace dicewright
