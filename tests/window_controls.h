#pragma once

#include <QString>
#include <QWidget>

namespace dicewright::testing {

// The objectName of a step's option; step 25's is spelled with a lower-case s.
inline QString OptionName(int step) {
    return step == 25 ? QStringLiteral("optstep25") : QStringLiteral("optStep%1").arg(step);
}

// A control of the window by its objectName; a missing one ends the test run.
template <typename T = QWidget>
T* FindControl(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
}

}  // namespace dicewright::testing
