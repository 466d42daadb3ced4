#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <functional>

namespace dicewright::testing {

constexpr int kLoopTimedOut = 99;

// Runs the application's event loop, does `action` from inside it and returns the exit status
// the program ended with, or kLoopTimedOut if nothing ended it.
inline int RunProgramLoop(const std::function<void()>& action, int timeoutMs = 10000) {
    QTimer::singleShot(0, qApp, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kLoopTimedOut); });
    watchdog.start(timeoutMs);
    return QCoreApplication::exec();
}

}  // namespace dicewright::testing
