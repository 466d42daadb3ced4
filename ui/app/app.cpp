#include "app/app.h"

#include <QIcon>
#include <QMessageBox>

#include "accessibility/accessibility.h"
#include "app/app_info.h"
#include "app/bundled_fonts.h"
#include "failure.h"
#include "main_window/main_window.h"
#include "splash_window/splash_window.h"

namespace dicewright {

namespace {

QString Title() {
    return QString::fromUtf8(AppInfo::title);
}

// The error's own text: what the user reads in the message box. The page words the same
// failures from the engine's table of them (failure.h), whose English these are.
QString ErrorText(const std::exception_ptr& error) {
    switch (FailureOf(error)) {
        case Failure::Overflow:
            return Application::tr("Overflow");
        case Failure::DivisionByZero:
            return Application::tr("Division by zero");
        case Failure::FloatingPointOverflow:
            return Application::tr("Floating-point overflow");
        case Failure::InvalidOperation:
            return Application::tr("Invalid floating-point operation");
        case Failure::OutOfMemory:
            return Application::tr("Out of memory");
        case Failure::OutOfRange:
            return Application::tr("A value out of range");
        case Failure::Unknown:
            break;
    }
    return Application::tr("Unknown error");
}

// The sizes a window manager draws in title bars and task switchers; the larger pictures are
// for the desktop's icon theme and would only slow down the first window.
QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/assets/icons/dicewright-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

void ShowToUser(const QString& text) {
    QMessageBox::critical(nullptr, Title(), text);
}

}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), m_reportError(ShowToUser) {
    setApplicationName(Title());
    setApplicationVersion(QString::fromStdString(AppInfo::version()));
    setOrganizationName(QString::fromUtf8(AppInfo::company));
    setDesktopFileName(QString::fromUtf8(AppInfo::desktopId));
    setWindowIcon(WindowIcon());
    AddBundledFonts();
    // The first of the player's languages that the program speaks, else English, whose
    // catalogue gives the counted texts their plural forms ("1 roll", "2 rolls").
    m_translations.installPreferred(QLocale::system().uiLanguages());
    // The program ends through its own paths: EXIT, closing the main window, or unloading the
    // splash while it is the only window. A hidden splash never keeps it alive.
    setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

void Application::start() {
    m_main.reset();
    m_splash = std::make_unique<SplashWindow>([this]() -> QWidget& { return loadMainWindow(); });
    // Unloading the splash before the main window exists leaves no window: the program ends.
    connect(m_splash.get(), &SplashWindow::unloaded, this, [this] {
        if (!m_main) QCoreApplication::exit(0);
    });
    m_splash->showCentred();
}

MainWindow& Application::loadMainWindow() {
    if (!m_main) m_main = std::make_unique<MainWindow>(m_random);
    return *m_main;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportFatalError(std::current_exception());
    }
    return true;
}

void Application::setErrorReporter(ErrorReporter reporter) {
    m_reportError = std::move(reporter);
}

void Application::reportFatalError(const std::exception_ptr& error) {
    // A second error raised while the first is on screen ends the program all the same.
    if (!m_failed) {
        m_failed = true;
        m_reportError(ErrorText(error));
    }
    QCoreApplication::exit(EXIT_FAILURE);
}

}  // namespace dicewright
